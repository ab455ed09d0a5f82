#pragma once

#include "core/model/Expected.h"
#include "core/model/Locale.h"
#include "core/query/FieldText.h"
#include "core/query/QueryDesign.h"

#include <string>
#include <string_view>
#include <vector>

namespace gorlin {

enum class CriteriaOp : u8 { None = 0, Equals = 1, BeginsWith = 2, LessThan = 3, GreaterThan = 4 };

/// Longest text operand and text value compared.
inline constexpr std::size_t kCriteriaTextMax = 50;

/// One criteria cell, prepared for its field's kind.
struct Criterion {
    CriteriaOp Op = CriteriaOp::None;
    std::string Text; // text fields: upper case, at most 50 characters
    long long Whole = 0;
    int Date = 0;
    double Decimal = 0.0;
};

/// Reads a criteria cell for a field kind: blanks trimmed, upper case; "" has no operator. Text
/// fields: a final "*" means begins with, else equals. Numbers and dates: a leading "<" or ">"
/// means less or greater than the rest, else equals. A whole number is an optional sign and
/// digits (the locale's thousands separators allowed), a decimal as ReadDecimal takes it, a date
/// in the locale's short date format. The error is the conversion's own text.
Expected<Criterion> ParseCriterion(std::string_view typed, FieldKind kind, const Locale& locale);

/// A design column after validation.
struct CompiledColumn {
    const QueryField* Field = nullptr;
    SortOrder Sort = SortOrder::NotSorted;
    bool Include = true;
    Criterion Criteria[2]; // the "Criteria" and "Or" rows
    std::string Heading;   // the trimmed title, or the field's name
};

/// A design ready to run.
struct CompiledQuery {
    int Tab = kTabTeams;
    std::vector<CompiledColumn> Columns;
};

/// Checks a design before a run or a save, in this order: a column without a field ("The query
/// is not correct. It contains an empty column"), no included column ("No included Query fields.
/// Add one or more included fields."), then every criteria cell ("Selection criteria for field
/// %s is not valid for the following reason: %s" with the field's name and the conversion's
/// text).
Expected<CompiledQuery> QueryValid(const QueryDesign& design, const Locale& locale);

/// A field's value as criteria and sorting read it: whole numbers through ReadLenientWhole of the
/// text, decimals through ReadDecimal of the text, dates as day numbers, texts in upper case cut
/// to 50 characters.
struct FieldValue {
    bool Empty = false; // an empty decimal text or no date
    long long Whole = 0;
    double Decimal = 0.0;
    int Date = 0;
    std::string Text;
};
FieldValue ReadFieldValue(const QuerySource& source, const QueryField& field, int row);

/// True when a value meets a criterion (always for no operator); an empty value meets no other.
bool MeetsCriterion(const Criterion& c, FieldKind kind, const FieldValue& value);

/// Orders two values of a kind: <0, 0, >0; an empty value comes before every other.
int CompareValues(FieldKind kind, const FieldValue& a, const FieldValue& b);

/// True when row `row` of the query's tab is selected: it passes every criterion of at least one
/// active criteria row (Criteria or Or; active = some column has an operator in it). With no
/// active row every row is selected.
bool CheckCriteria(const CompiledQuery& query, const QuerySource& source, int row);

} // namespace gorlin
