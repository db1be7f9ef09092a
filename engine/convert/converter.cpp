// Finds the converter program and learns which encoders it has, for the presets it can make.
#include "engine/convert/converter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

struct LookupState
{
    std::mutex mutex;
    bool known = false;
    ConverterInfo info;
    QString testProgram; // the program tests asked for; empty: the usual search
};

// Never destroyed: a worker thread may still ask for it while the program exits.
LookupState &State()
{
    static LookupState *state = new LookupState;
    return *state;
}

QString FindConverter()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg");
    if (!QCoreApplication::applicationDirPath().isEmpty() && QFileInfo(beside).isExecutable())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    return onPath.isEmpty() ? QStringLiteral("ffmpeg") : onPath;
}

// The program to look up; called with the state's mutex held.
QString ProgramToLookUp(const LookupState &state)
{
    return state.testProgram.isEmpty() ? FindConverter() : state.testProgram;
}

ConverterInfo MakeInfo(const QString &program, const QSet<QString> &encoders, bool listed)
{
    ConverterInfo info;
    info.program = program;
    info.encoders = encoders;
    info.listed = listed;
    return info;
}

// Keeps `info` unless another lookup was first; called with the state's mutex held.
void Remember(LookupState &state, const ConverterInfo &info)
{
    if (!state.known) {
        state.info = info;
        state.known = true;
    }
}

QStringList Names(const std::vector<const char *> &names)
{
    QStringList list;
    for (const char *name : names)
        list << QString::fromLatin1(name);
    return list;
}

// True when the converter lists one of `anyOf`, or when `anyOf` is empty.
bool ListsOneOf(const ConverterInfo &converter, const std::vector<const char *> &anyOf)
{
    return anyOf.empty() || std::any_of(anyOf.begin(), anyOf.end(), [&](const char *name) {
               return converter.encoders.contains(QLatin1String(name));
           });
}

template<typename Id> Id Resolve(Id codec, const ConverterInfo &converter)
{
    const CodecRow<Id> &row = CodecOf(codec);
    if (!row.fallback || converter.encoders.contains(QLatin1String(row.encoder)))
        return codec;
    return ListsOneOf(converter, CodecOf(*row.fallback).needs) ? *row.fallback : codec;
}

QString MissingText(const QStringList &anyOf)
{
    if (anyOf.size() == 1)
        return QCoreApplication::translate("Reasons", "The converter has no %1 encoder.")
            .arg(anyOf.first());
    return QCoreApplication::translate("Reasons",
                                       "The converter has neither the %1 nor the %2 encoder.")
        .arg(anyOf.at(0), anyOf.at(1));
}

} // namespace

QSet<QString> ParseEncoderList(const QByteArray &listing)
{
    // Six flag letters or dots, the name, then its description.
    static const QRegularExpression line(QStringLiteral("^\\s*[A-Z.]{6}\\s+(\\S+)\\s"),
                                         QRegularExpression::MultilineOption);
    QSet<QString> encoders;
    QRegularExpressionMatchIterator it = line.globalMatch(QString::fromUtf8(listing));
    while (it.hasNext()) {
        const QString name = it.next().captured(1);
        if (name != QLatin1String("="))
            encoders.insert(name);
    }
    return encoders;
}

QSet<QString> ReadConverterEncoders(const QString &program, int timeoutMs, bool *listed)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, {QStringLiteral("-hide_banner"), QStringLiteral("-encoders")});
    bool ok = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs);
    if (!ok && process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
    ok = ok && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (listed)
        *listed = ok;
    return ok ? ParseEncoderList(process.readAllStandardOutput()) : QSet<QString>();
}

QSet<QString> ParseFilterList(const QByteArray &listing)
{
    // Three flag letters or dots, the name, then what it takes and gives ("V->V", "|->A").
    static const QRegularExpression line(QStringLiteral("^\\s*[A-Z.]{3}\\s+(\\S+)\\s+\\S+->\\S+"),
                                         QRegularExpression::MultilineOption);
    QSet<QString> filters;
    QRegularExpressionMatchIterator it = line.globalMatch(QString::fromUtf8(listing));
    while (it.hasNext())
        filters.insert(it.next().captured(1));
    return filters;
}

QSet<QString> ConverterFilters(const QString &program)
{
    static std::mutex mutex;
    static QHash<QString, QSet<QString>> known;
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = known.constFind(program);
    if (found != known.constEnd())
        return *found;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, {QStringLiteral("-hide_banner"), QStringLiteral("-filters")});
    const bool ok = process.waitForStarted(kConverterAnswerMs)
        && process.waitForFinished(kConverterAnswerMs)
        && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
    return known[program] = ok ? ParseFilterList(process.readAllStandardOutput()) : QSet<QString>();
}

const ConverterInfo &Converter()
{
    LookupState &state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (!state.known) {
        const QString program = ProgramToLookUp(state);
        bool listed = false;
        const QSet<QString> encoders = ReadConverterEncoders(program, kConverterAnswerMs, &listed);
        Remember(state, MakeInfo(program, encoders, listed));
    }
    return state.info;
}

void SetConverterForTesting(const ConverterInfo &info)
{
    LookupState &state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.info = info;
    state.known = !info.program.isEmpty();
    if (!state.known)
        state.testProgram.clear();
}

void UseConverterProgramForTesting(const QString &program)
{
    LookupState &state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.info = ConverterInfo();
    state.known = false;
    state.testProgram = program;
}

void StartConverterLookup(QObject *owner, std::function<void(const ConverterInfo &)> done)
{
    LookupState &state = State();
    QString program;
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        if (state.known) {
            QTimer::singleShot(0, owner, [done] { done(Converter()); });
            return;
        }
        program = ProgramToLookUp(state);
    }
    // The process and its timer belong to `owner`: they end with it, and so does the converter.
    auto *process = new QProcess(owner);
    auto *timer = new QTimer(process);
    timer->setSingleShot(true);
    auto finish = [process, timer, program, done](bool ok) {
        if (!timer->property("pending").toBool())
            return; // already finished: a killed converter also reports its end
        timer->setProperty("pending", false);
        timer->stop();
        const QSet<QString> encoders
            = ok ? ParseEncoderList(process->readAllStandardOutput()) : QSet<QString>();
        {
            LookupState &state = State();
            std::lock_guard<std::mutex> lock(state.mutex);
            Remember(state, MakeInfo(program, encoders, ok));
        }
        if (process->state() != QProcess::NotRunning)
            process->kill();
        process->deleteLater();
        done(Converter());
    };
    timer->setProperty("pending", true);
    QObject::connect(process, &QProcess::finished, process,
                     [process, finish](int code, QProcess::ExitStatus status) {
                         finish(status == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [finish](QProcess::ProcessError e) {
                         if (e == QProcess::FailedToStart)
                             finish(false);
                     });
    QObject::connect(timer, &QTimer::timeout, process, [finish] { finish(false); });
    // The converter ends with its owner, quietly: it is killed and reaped before Qt would warn.
    // Its end must not reach `done` then: what `done` works on is already gone.
    QObject::connect(owner, &QObject::destroyed, process, [process, timer] {
        timer->stop();
        process->disconnect();
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(1000);
        }
    });
    process->setStandardInputFile(QProcess::nullDevice());
    timer->start(kConverterAnswerMs);
    process->start(program, {QStringLiteral("-hide_banner"), QStringLiteral("-encoders")});
}

VideoCodec CodecFor(VideoCodec codec, const ConverterInfo &converter)
{
    return Resolve(codec, converter);
}

AudioCodec CodecFor(AudioCodec codec, const ConverterInfo &converter)
{
    return Resolve(codec, converter);
}

QStringList PresetEncoders(const Preset &preset, const ConverterInfo &converter)
{
    QStringList encoders;
    for (const char *encoder : {CodecOf(CodecFor(preset.videoCodec, converter)).encoder,
                                CodecOf(CodecFor(preset.audioCodec, converter)).encoder}) {
        if (encoder)
            encoders << QString::fromLatin1(encoder);
    }
    return encoders;
}

bool PresetAvailable(const Preset &preset, const ConverterInfo &converter)
{
    return PresetUnavailableReason(preset, converter).isEmpty();
}

QString PresetUnavailableReason(const Preset &preset, const ConverterInfo &converter)
{
    QStringList reasons;
    for (const std::vector<const char *> *anyOf :
         {&CodecOf(preset.videoCodec).needs, &CodecOf(preset.audioCodec).needs}) {
        if (anyOf->empty())
            continue;
        if (!converter.listed)
            return QCoreApplication::translate("Reasons",
                                               "The converter did not list its encoders.");
        if (!ListsOneOf(converter, *anyOf))
            reasons << MissingText(Names(*anyOf));
    }
    return reasons.join(QLatin1Char(' '));
}
