#include "window_options.h"

#include <QCommandLineParser>
#include <cstdio>
#include <initializer_list>

#include "flight_control.h"
#include "vantro2_version.h"

namespace {

const char Program[] = "vantro2";

/// Takes a whole number out of `allowed`; an error text, or nullptr when stored.
const char *StoreChoice(const QString &value, std::initializer_list<int> allowed, int &out, const char *error)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    for (int choice : allowed) {
        if (ok && number == choice) {
            out = number;
            return nullptr;
        }
    }
    return error;
}

/// One command-line option: to add one, add a field to WindowOptions and a row here.
struct OptionRow {
    const char *Name;
    const char *ValueName;  ///< nullptr for a switch without a value
    const char *Help;
    /// Stores the option's value (empty for a switch); an error text, or nullptr when stored.
    const char *(*Store)(WindowOptions &options, const QString &value);
};

const OptionRow OptionRows[] = {
    {"zoom", "N", "Scale the whole window by N (1, 2, 3 or 4), every pixel kept sharp.",
     [](WindowOptions &o, const QString &v) { return StoreChoice(v, {1, 2, 3, 4}, o.Zoom, "--zoom takes 1, 2, 3 or 4"); }},
    {"screenshot-dir", "DIR", "Folder for F12 screenshots (default: the pictures folder, else the current one).",
     [](WindowOptions &o, const QString &v) -> const char * {
         o.ScreenshotDir = v;
         return v.isEmpty() ? "--screenshot-dir needs a folder" : nullptr;
     }},
    {"screenshot-scale", "N", "Screen pixels per display pixel in F12 screenshots: 1, 2 (default) or 4.",
     [](WindowOptions &o, const QString &v) {
         return StoreChoice(v, {1, 2, 4}, o.ScreenshotScale, "--screenshot-scale takes 1, 2 or 4");
     }},
    {"record", "FILE", "Write everything done at the panel to FILE as a vantro2-script file.",
     [](WindowOptions &o, const QString &v) -> const char * {
         o.RecordFile = v;
         return v.isEmpty() ? "--record needs a file" : nullptr;
     }},
    {"replay", "FILE", "Play a recorded session (a file written by --record) in the window.",
     [](WindowOptions &o, const QString &v) -> const char * {
         o.ReplayFile = v;
         return v.isEmpty() ? "--replay needs a file" : nullptr;
     }},
};

} // namespace

void DefineWindowOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        "Desktop simulator of the VANTRO-2 flight and engine monitor. Keys: F1 lists every key and mouse binding.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{"h", "help"}, "Show this help and exit."));
    parser.addOption(QCommandLineOption(QStringList{"version"}, "Show the version and exit."));
    for (const OptionRow &row : OptionRows)
        parser.addOption(QCommandLineOption(QStringList{row.Name}, row.Help, row.ValueName ? row.ValueName : QString()));
    AddFlightOptions(parser);
}

namespace {

QString UsageOf(const QCommandLineParser &parser)
{
    // Without an application object Qt cannot know the program's name.
    return parser.helpText().replace("<executable_name>", Program);
}

CommandLineVerdict Reject(const QCommandLineParser &parser, const QString &problem)
{
    std::fprintf(stderr, "%s: %s\n%s", Program, qPrintable(problem), qPrintable(UsageOf(parser)));
    return CommandLineVerdict::ExitBad;
}

} // namespace

CommandLineVerdict ParseWindowOptions(const QStringList &arguments, WindowOptions &options)
{
    QCommandLineParser parser;
    DefineWindowOptions(parser);
    if (!parser.parse(arguments)) return Reject(parser, parser.errorText());
    if (parser.isSet("help")) {
        std::fputs(qPrintable(UsageOf(parser)), stdout);
        return CommandLineVerdict::ExitOk;
    }
    if (parser.isSet("version")) {
        std::printf("%s %s\n", Program, VANTRO2_VERSION);
        return CommandLineVerdict::ExitOk;
    }
    if (!parser.positionalArguments().isEmpty())
        return Reject(parser, "unexpected argument " + parser.positionalArguments().first());
    for (const OptionRow &row : OptionRows) {
        if (!parser.isSet(row.Name)) continue;
        if (const char *error = row.Store(options, parser.value(row.Name))) return Reject(parser, error);
    }
    // A replay drives the instrument itself: there is no person's session to record.
    if (!options.RecordFile.isEmpty() && !options.ReplayFile.isEmpty())
        return Reject(parser, "--record and --replay cannot be used together");
    return CommandLineVerdict::Run;
}

void ApplyZoom(int zoom)
{
    if (zoom == 1) return;
    bool ok = false;
    double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || factor <= 0) factor = 1.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor * zoom));
}
