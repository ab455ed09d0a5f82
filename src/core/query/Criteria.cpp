#include "core/query/Criteria.h"

#include "core/model/Dates.h"
#include "core/model/Text.h"

#include <charconv>

namespace gorlin {

namespace {

Error NotValid(std::string_view text, const char* what) {
    return Error{"'" + std::string(text) + "' is not a valid " + what};
}

/// An optional sign and digits, the locale's thousands separators allowed after a digit and
/// before a group of three.
std::optional<long long> ReadWholeOperand(std::string_view text, const Locale& locale) {
    if (!ThousandsGrouped(text, locale.ThousandSeparator))
        return std::nullopt;
    std::string plain;
    bool digit = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
            plain += c;
        } else if (c == locale.ThousandSeparator && c != '\0' && digit) {
            continue;
        } else if ((c == '-' || c == '+') && i == 0) {
            if (c == '-')
                plain += c;
        } else {
            return std::nullopt;
        }
    }
    long long value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (!digit || res.ec != std::errc{} || res.ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

} // namespace

Expected<Criterion> ParseCriterion(std::string_view typed, FieldKind kind, const Locale& locale) {
    const std::string text = UpperText(Trim(typed));
    Criterion c;
    if (text.empty())
        return c;
    if (kind == FieldKind::Text) {
        if (text.back() == '*') {
            c.Op = CriteriaOp::BeginsWith;
            c.Text = text.substr(0, text.size() - 1);
        } else {
            c.Op = CriteriaOp::Equals;
            c.Text = text;
        }
        if (c.Text.size() > kCriteriaTextMax)
            c.Text.resize(kCriteriaTextMax);
        return c;
    }
    std::string_view operand = text;
    c.Op = CriteriaOp::Equals;
    if (operand.front() == '<' || operand.front() == '>') {
        c.Op = operand.front() == '<' ? CriteriaOp::LessThan : CriteriaOp::GreaterThan;
        operand = Trim(operand.substr(1));
    }
    switch (kind) {
    case FieldKind::Whole: {
        const auto v = ReadWholeOperand(operand, locale);
        if (!v)
            return NotValid(operand, "whole number");
        c.Whole = *v;
        break;
    }
    case FieldKind::Decimal: {
        const auto v = ReadDecimal(operand, locale);
        if (!v)
            return NotValid(operand, "decimal number");
        c.Decimal = *v;
        break;
    }
    default: {
        const auto v = ParseShortDate(operand, locale);
        if (!v)
            return NotValid(operand, "date");
        c.Date = *v;
        break;
    }
    }
    return c;
}

Expected<CompiledQuery> QueryValid(const QueryDesign& design, const Locale& locale) {
    CompiledQuery query;
    query.Tab = design.Tab();
    bool included = false;
    for (const DesignColumn& column : design.Columns()) {
        CompiledColumn c;
        c.Field = FindField(design.Tab(), column.FieldId);
        if (!c.Field)
            return Error{"The query is not correct. It contains an empty column"};
        c.Sort = column.Sort;
        c.Include = column.Include;
        included = included || column.Include;
        const std::string_view title = Trim(column.Title);
        c.Heading = title.empty() ? std::string(c.Field->Name) : std::string(title);
        query.Columns.push_back(std::move(c));
    }
    if (!included)
        return Error{"No included Query fields. Add one or more included fields."};
    for (std::size_t i = 0; i < query.Columns.size(); ++i) {
        CompiledColumn& c = query.Columns[i];
        const DesignColumn& column = design.Columns()[i];
        const std::string* typed[2] = {&column.Criteria, &column.Or};
        for (int r = 0; r < 2; ++r) {
            auto parsed = ParseCriterion(*typed[r], c.Field->Kind, locale);
            if (!parsed)
                return Error{std::string("Selection criteria for field ") + c.Field->Name +
                             " is not valid for the following reason: " + parsed.error().Message};
            c.Criteria[r] = std::move(*parsed);
        }
    }
    return query;
}

FieldValue ReadFieldValue(const QuerySource& source, const QueryField& field, int row) {
    FieldValue v;
    switch (field.Kind) {
    case FieldKind::Date:
        v.Date = GetDataDate(source, field, row);
        v.Empty = v.Date == 0;
        break;
    case FieldKind::Whole:
        v.Whole = ReadLenientWhole(GetData(source, field, row));
        break;
    case FieldKind::Decimal: {
        const auto d = ReadDecimal(GetData(source, field, row), source.Format.Conventions);
        v.Empty = !d;
        v.Decimal = d.value_or(0.0);
        break;
    }
    case FieldKind::Text:
        v.Text = UpperText(GetData(source, field, row));
        if (v.Text.size() > kCriteriaTextMax)
            v.Text.resize(kCriteriaTextMax);
        break;
    }
    return v;
}

bool MeetsCriterion(const Criterion& c, FieldKind kind, const FieldValue& v) {
    if (c.Op == CriteriaOp::None)
        return true;
    if (v.Empty)
        return false;
    const auto compare = [&c](auto value, auto operand) {
        switch (c.Op) {
        case CriteriaOp::LessThan:
            return value < operand;
        case CriteriaOp::GreaterThan:
            return value > operand;
        default:
            return value == operand;
        }
    };
    switch (kind) {
    case FieldKind::Text:
        return c.Op == CriteriaOp::BeginsWith ? v.Text.starts_with(c.Text) : v.Text == c.Text;
    case FieldKind::Whole:
        return compare(v.Whole, c.Whole);
    case FieldKind::Decimal:
        return compare(v.Decimal, c.Decimal);
    case FieldKind::Date:
        return compare(v.Date, c.Date);
    }
    return false;
}

int CompareValues(FieldKind kind, const FieldValue& a, const FieldValue& b) {
    if (a.Empty || b.Empty)
        return (a.Empty ? 0 : 1) - (b.Empty ? 0 : 1);
    const auto order = [](auto x, auto y) { return x < y ? -1 : y < x ? 1 : 0; };
    switch (kind) {
    case FieldKind::Text:
        return order(a.Text, b.Text);
    case FieldKind::Whole:
        return order(a.Whole, b.Whole);
    case FieldKind::Decimal:
        return order(a.Decimal, b.Decimal);
    case FieldKind::Date:
        return order(a.Date, b.Date);
    }
    return 0;
}

bool CheckCriteria(const CompiledQuery& query, const QuerySource& source, int row) {
    bool active[2] = {false, false};
    for (const CompiledColumn& c : query.Columns)
        for (int r = 0; r < 2; ++r)
            active[r] = active[r] || c.Criteria[r].Op != CriteriaOp::None;
    if (!active[0] && !active[1])
        return true;
    for (int r = 0; r < 2; ++r) {
        if (!active[r])
            continue;
        bool passes = true;
        for (std::size_t i = 0; i < query.Columns.size() && passes; ++i) {
            const CompiledColumn& c = query.Columns[i];
            if (c.Criteria[r].Op != CriteriaOp::None)
                passes = MeetsCriterion(c.Criteria[r], c.Field->Kind, ReadFieldValue(source, *c.Field, row));
        }
        if (passes)
            return true;
    }
    return false;
}

} // namespace gorlin
