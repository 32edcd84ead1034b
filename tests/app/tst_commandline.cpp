#include "Version.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QTranslator>

using Environment = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(Environment)

namespace {

const QString Program = QStringLiteral(SUMWRIGHT_PROGRAM);

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

Environment env(std::initializer_list<std::pair<const char *, const char *>> pairs)
{
    Environment list;
    for (const auto &[name, value] : pairs)
        list.append({QLatin1String(name), QLatin1String(value)});
    return list;
}

// No display and no way to reach one: the X11 plug-in forced, DISPLAY and WAYLAND_DISPLAY gone,
// then the row's own variables. An attempt to open a window finds no display.
Outcome run(const QStringList &arguments, const Environment &variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    for (const auto &[name, value] : variables)
        environment.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(Program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The program's own text for --help's first option in a language, read from the translation
// the program carries; empty language means the English original.
QString helpOptionText(const QString &language)
{
    const QString original = QStringLiteral("Show this help and exit.");
    if (language.isEmpty())
        return original;
    QTranslator translator;
    if (!translator.load(QStringLiteral(":/i18n/sumwright_") + language))
        return {};
    return translator.translate("CommandLine", "Show this help and exit.");
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldAnswerWithoutADisplay_data();
    void shouldAnswerWithoutADisplay();
    void shouldSpeakTheSystemsLanguage_data();
    void shouldSpeakTheSystemsLanguage();
    void shouldLeaveToolkitOptionsToTheToolkit();
};

void CommandLineTest::shouldAnswerWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<Environment>("environment");

    const QString version
            = QStringLiteral("Quorvane Sumwright %1\n").arg(QLatin1String(sumwright::VersionText));
    const QString usage = QStringLiteral("Usage: ");
    const Environment none;
    QTest::newRow("--help") << QStringList {"--help"} << 0 << usage << QString() << none;
    QTest::newRow("-h") << QStringList {"-h"} << 0 << usage << QString() << none;
    QTest::newRow("--version") << QStringList {"--version"} << 0 << version << QString() << none;
    QTest::newRow("-v") << QStringList {"-v"} << 0 << version << QString() << none;
    QTest::newRow("Qt option, then --version")
            << QStringList {"-platform", "offscreen", "--version"} << 0 << version << QString()
            << none;
    QTest::newRow("Qt options in every form, then --help")
            << QStringList {"--style=Fusion", "-reverse", "--qwindowtitle", "x", "--help"} << 0
            << usage << QString() << none;
    QTest::newRow("unknown long option")
            << QStringList {"--bogus"} << 2 << QString() << QStringLiteral("'bogus'") << none;
    QTest::newRow("unknown short option")
            << QStringList {"-x"} << 2 << QString() << QStringLiteral("'x'") << none;
    QTest::newRow("unknown option beside --help")
            << QStringList {"--help", "--colour"} << 2 << QString() << QStringLiteral("'colour'")
            << none;
    QTest::newRow("a value Qt's option would take, alone")
            << QStringList {"offscreen"} << 2 << QString() << QStringLiteral("'offscreen'") << none;
    QTest::newRow("a file name") << QStringList {"notes.txt"} << 2 << QString()
                                 << QStringLiteral("'notes.txt'") << none;
    // Started without a display, or with one that cannot be reached: a plain word, no abort.
    const QString noDisplay = QStringLiteral("No display found");
    const char *nowhere = "/nonexistent/wayland-0";
    QTest::newRow("no display, X11 plug-in")
            << QStringList() << 1 << QString() << noDisplay << none;
    QTest::newRow("no display, the toolkit's own choice")
            << QStringList() << 1 << QString() << noDisplay << env({{"QT_QPA_PLATFORM", ""}});
    QTest::newRow("an X display that cannot be reached")
            << QStringList() << 1 << QString() << QStringLiteral("DISPLAY=nowhere")
            << env({{"DISPLAY", "nowhere"}});
    QTest::newRow("a Wayland compositor that cannot be reached")
            << QStringList() << 1 << QString() << noDisplay
            << env({{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", nowhere}});
    QTest::newRow("Wayland, then X11, neither there")
            << QStringList() << 1 << QString() << noDisplay
            << env({{"QT_QPA_PLATFORM", "wayland;xcb"}, {"WAYLAND_DISPLAY", nowhere}});
    QTest::newRow("a Wayland session without its compositor")
            << QStringList() << 1 << QString() << noDisplay
            << env({{"QT_QPA_PLATFORM", ""},
                    {"XDG_SESSION_TYPE", "wayland"},
                    {"WAYLAND_DISPLAY", nowhere}});
    QTest::newRow("no display, in German")
            << QStringList() << 1 << QString() << QStringLiteral("DISPLAY=")
            << env({{"LANG", "de_DE.UTF-8"}});
}

void CommandLineTest::shouldAnswerWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(Environment, environment);

    const Outcome outcome = run(arguments, environment);
    QCOMPARE(outcome.exitCode, exitCode);
    if (exitCode == 0) {
        // Help and version go to standard output and nothing else is said.
        QVERIFY2(outcome.out.startsWith(out), qPrintable(outcome.out));
        QVERIFY2(outcome.err.isEmpty(), qPrintable(outcome.err));
        if (out.startsWith(QStringLiteral("Usage")))
            QVERIFY(outcome.out.contains(QStringLiteral("--version")));
        else
            QCOMPARE(outcome.out, out);
    } else {
        // A mistake is reported on standard error, naming what was wrong, with the usage; a
        // missing display without it, and without the toolkit's advice to reinstall.
        QVERIFY2(outcome.out.isEmpty(), qPrintable(outcome.out));
        QVERIFY2(outcome.err.contains(err), qPrintable(outcome.err));
        const bool mistake = exitCode == 2;
        QVERIFY2(outcome.err.contains(QStringLiteral("Usage: ")) == mistake,
                 qPrintable(outcome.err));
        QCOMPARE(outcome.err.contains(QStringLiteral("--help")), mistake);
        QVERIFY2(!outcome.err.contains(QStringLiteral("Reinstalling")), qPrintable(outcome.err));
    }
}

void CommandLineTest::shouldSpeakTheSystemsLanguage_data()
{
    QTest::addColumn<Environment>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("toolkitUsage");

    QTest::newRow("C") << env({{"LANG", "C"}}) << QString() << "Usage:";
    QTest::newRow("English") << env({{"LANG", "en_GB.UTF-8"}}) << QString() << "Usage:";
    QTest::newRow("German") << env({{"LANG", "de_DE.UTF-8"}}) << "de"
                            << "Aufruf:";
    QTest::newRow("Austrian German") << env({{"LANG", "de_AT.UTF-8"}}) << "de"
                                     << "Aufruf:";
    QTest::newRow("French") << env({{"LANG", "fr_FR.UTF-8"}}) << "fr"
                            << "Utilisation :";
    QTest::newRow("Spanish") << env({{"LANG", "es_ES.UTF-8"}}) << "es"
                             << "Uso:";
    QTest::newRow("Brazilian Portuguese") << env({{"LANG", "pt_BR.UTF-8"}}) << "pt_BR"
                                          << "Uso:";
    QTest::newRow("Portuguese reads the Brazilian translation")
            << env({{"LANG", "pt_PT.UTF-8"}}) << "pt_BR" << QString();
    QTest::newRow("Hong Kong reads the traditional Chinese translation")
            << env({{"LANG", "zh_HK.UTF-8"}}) << "zh_TW" << QString();
    QTest::newRow("Macau reads the traditional Chinese translation")
            << env({{"LANG", "zh_MO.UTF-8"}}) << "zh_TW" << QString();
    QTest::newRow("Singapore reads the simplified Chinese translation")
            << env({{"LANG", "zh_SG.UTF-8"}}) << "zh_CN" << QString();
    QTest::newRow("Taiwan") << env({{"LANG", "zh_TW.UTF-8"}}) << "zh_TW" << QString();
    QTest::newRow("Chinese") << env({{"LANG", "zh_CN.UTF-8"}}) << "zh_CN" << QString();
    QTest::newRow("Bokmål reads Nynorsk") << env({{"LANG", "nb_NO.UTF-8"}}) << "nn" << QString();
    QTest::newRow("Arabic") << env({{"LANG", "ar_EG.UTF-8"}}) << "ar" << QString();
    QTest::newRow("Japanese") << env({{"LANG", "ja_JP.UTF-8"}}) << "ja" << QString();
    QTest::newRow("Russian") << env({{"LANG", "ru_RU.UTF-8"}}) << "ru" << QString();
    QTest::newRow("Hindi") << env({{"LANG", "hi_IN.UTF-8"}}) << "hi" << QString();
    QTest::newRow("a language without a translation")
            << env({{"LANG", "sw_KE.UTF-8"}}) << QString() << QString();
    QTest::newRow("LANGUAGE's first choice")
            << env({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:de"}}) << "fr"
            << "Utilisation :";
    QTest::newRow("LANGUAGE skips an untranslated language")
            << env({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sw:es"}}) << "es" << QString();
    QTest::newRow("LANGUAGE puts English first")
            << env({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}) << QString() << "Usage:";
    QTest::newRow("LANGUAGE ignored under C")
            << env({{"LANG", "C"}, {"LANGUAGE", "de"}}) << QString() << "Usage:";
    QTest::newRow("LANGUAGE ignored under C.UTF-8")
            << env({{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}) << QString() << "Usage:";
    QTest::newRow("LC_ALL over LANG")
            << env({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}) << "es"
            << "Uso:";
    QTest::newRow("LC_MESSAGES over LANG")
            << env({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}) << "fr"
            << "Utilisation :";
    QTest::newRow("LC_MESSAGES=C over LANG")
            << env({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "C"}}) << QString() << "Usage:";
}

void CommandLineTest::shouldSpeakTheSystemsLanguage()
{
    QFETCH(Environment, locale);
    QFETCH(QString, language);
    QFETCH(QString, toolkitUsage);

    const QString expected = helpOptionText(language);
    QVERIFY2(!expected.isEmpty(), "the program carries no such translation");
    const Outcome outcome = run({QStringLiteral("--help")}, locale);
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.out.contains(expected), qPrintable(outcome.out));
    // Qt's own words around them, from the system's Qt translations.
    if (!toolkitUsage.isEmpty())
        QVERIFY2(outcome.out.startsWith(toolkitUsage), qPrintable(outcome.out));
    QVERIFY2(outcome.err.isEmpty(), qPrintable(outcome.err));
}

void CommandLineTest::shouldLeaveToolkitOptionsToTheToolkit()
{
    // With Qt's -platform option the program starts on that platform, even without a display;
    // taken for an unknown option it would end at once with status 2, and left to the
    // default X11 plug-in it would abort.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(Program, {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(process.waitForStarted());
    const bool ended = process.waitForFinished(1500);
    if (ended)
        QFAIL(qPrintable(QStringLiteral("the program ended with status %1: %2")
                                 .arg(process.exitCode())
                                 .arg(QString::fromUtf8(process.readAllStandardError()))));
    process.kill();
    process.waitForFinished();
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
