#include "gui/support/GuiFixture.h"

#include "core/model/LeagueFile.h"
#include "gui/league/LeaguePages.h"
#include "platform/SystemLocale.h"
#include "support/LeagueBuilder.h"

#include <QAbstractButton>
#include <QDir>
#include <QTest>

namespace gorlin::test {

League GuiFixture::DefaultLeague() {
    League league = LeagueBuilder().Teams({"Arsenal", "Burnley", "Chelsea"}).Build();
    league.Head.TableName = "Premier";
    return league;
}

Locale UkConventions(QDate today) {
    return LocaleFrom(QLocale(QLocale::English, QLocale::UnitedKingdom), today);
}

std::filesystem::path SaveInTableFolder(const TempDir& dir, Settings& settings, AppContext& context,
                                        const League& league) {
    settings.FilePath = dir.Path().string() + "/";
    context.installLeaguePages = InstallLeaguePages;
    const std::filesystem::path file = dir / "LEAGUE.DIV";
    League copy = league;
    if (!SaveLeague(copy, file, SaveOptions{false}))
        qFatal("cannot write the test league");
    return file;
}

GuiFixture::GuiFixture(const League& league) : file(SaveInTableFolder(dir, settings, context, league)) {
    context.terminate = [this](int) { ++terminated; };
}

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void Click(const QObject* parent, const char* name) {
    QTest::mouseClick(Child<QAbstractButton>(parent, name), Qt::LeftButton);
}

void Screenshot(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("GORLIN_SCREENSHOTS");
    if (folder.isEmpty() || widget == nullptr)
        return;
    QDir().mkpath(folder);
    widget->grab().save(QDir(folder).filePath(name + ".png"));
}

} // namespace gorlin::test
