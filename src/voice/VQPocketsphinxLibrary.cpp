#include "VQPocketsphinxLibrary.h"

#include "MMLog.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <dlfcn.h>
#include <poll.h>
#include <pthread.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <mutex>
#include <type_traits>
#include <vector>

extern char** environ;

namespace {

// The libraries of the interface the headers describe.
constexpr char kSphinxbase[] = "libsphinxbase.so.3";
constexpr char kPocketsphinx[] = "libpocketsphinx.so.3";

// The decoder's sample rate.
constexpr int kSampleRate = 16000;

// How the model check's child ends when the model is not usable (0 when it is).
constexpr int kChildFatal = 70; // the library gave up through exit()
constexpr int kChildNotLoaded = 71;
constexpr int kChildNoWords = 72;

// The model's files with their sizes and times: a verdict holds while they stay the same.
QString modelKey(const VQPocketsphinxModelCheck::Files& files)
{
    QFileInfoList infos = QDir(files.acousticModel).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    infos << QFileInfo(files.languageModel) << QFileInfo(files.dictionary);
    QString key;
    for (const QFileInfo& info : infos) {
        key += QStringLiteral("%1|%2|%3|%4\n")
                   .arg(info.absoluteFilePath())
                   .arg(info.size())
                   .arg(info.lastModified().toMSecsSinceEpoch())
                   .arg(info.metadataChangeTime().toMSecsSinceEpoch());
    }
    return key;
}

// The child: loads the model, decodes a quarter of a second of noise (damaged acoustic data may
// show only when audio is scored; noise is slow to search, so no more), looks for a word of the
// language model in the dictionary and ends with what it found. Nothing of the program runs here.
[[noreturn]] void checkInChild(const VQPocketsphinxLibrary& library, const QByteArray& acousticModel,
                               const QByteArray& languageModel, const QByteArray& dictionary)
{
    // A fault ends the check by the default action (a damaged model is no report of anyone's),
    // and signals sent to the program's process group leave it alone.
    for (const int sig : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
        ::signal(sig, SIG_DFL);
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, nullptr);
    // The library's fatal errors call exit(): the handler registered last runs first and ends
    // the child before the program's own handlers and destructors.
    std::atexit(+[] { _exit(kChildFatal); });

    cmd_ln_t* config = library.configure(acousticModel, languageModel, dictionary);
    ps_decoder_t* decoder = config ? library.psInit(config) : nullptr;
    ngram_model_t* words =
        decoder ? library.ngramModelRead(config, languageModel.constData(), NGRAM_AUTO, library.psGetLogmath(decoder)) : nullptr;
    if (!words || library.psStartUtt(decoder) < 0)
        _exit(kChildNotLoaded);
    int16 noise[kSampleRate / 4];
    quint32 seed = 1;
    for (int16& sample : noise) {
        seed = seed * 1103515245u + 12345u;
        sample = int16(int((seed >> 16) % 2000) - 1000);
    }
    library.psProcessRaw(decoder, noise, std::size(noise), FALSE, FALSE);
    library.psEndUtt(decoder);
    const int32 count = int32(library.ngramModelGetCounts(words)[0]);
    for (int32 id = 0; id < count; ++id) {
        const char* word = library.ngramWord(words, id);
        // The sentence marks (<s>, </s>) are no words anyone says.
        if (word && word[0] != '<' && library.psLookupWord(decoder, word))
            _exit(0);
    }
    _exit(kChildNoWords);
}

// The model check's process is this program started anew with the model's files in its
// environment: it checks before main() and anything of the program runs, so it inherits no
// thread, lock or exit handler of the program (a fork() of the running program would).
constexpr char kCheckAcousticModel[] = "VQ_MODEL_CHECK_HMM";
constexpr char kCheckLanguageModel[] = "VQ_MODEL_CHECK_LM";
constexpr char kCheckDictionary[] = "VQ_MODEL_CHECK_DICT";

[[gnu::constructor]] void checkModelWhenAsked()
{
    const char* acousticModel = std::getenv(kCheckAcousticModel);
    if (!acousticModel)
        return;
    const char* languageModel = std::getenv(kCheckLanguageModel);
    const char* dictionary = std::getenv(kCheckDictionary);
    const VQPocketsphinxLibrary* library = languageModel && dictionary ? VQPocketsphinxLibrary::open(nullptr) : nullptr;
    if (!library)
        _exit(kChildNotLoaded);
    checkInChild(*library, acousticModel, languageModel, dictionary);
}

// Starts the check's process, its output to /dev/null; -1 with errno set when it cannot start.
pid_t startCheck(const QByteArray& acousticModel, const QByteArray& languageModel, const QByteArray& dictionary)
{
    QByteArrayList variables;
    for (char** variable = environ; variable && *variable; ++variable) {
        if (!QByteArray(*variable).startsWith("VQ_MODEL_CHECK_"))
            variables << QByteArray(*variable);
    }
    variables << QByteArray(kCheckAcousticModel) + '=' + acousticModel << QByteArray(kCheckLanguageModel) + '=' + languageModel
              << QByteArray(kCheckDictionary) + '=' + dictionary;
    std::vector<char*> environment;
    for (QByteArray& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    char name[] = "model-check";
    char* arguments[] = {name, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, "/proc/self/exe", &actions, &attributes, arguments, environment.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        errno = failed;
        return -1;
    }
    return pid;
}

enum class Ending { Ended, TimedOut, Interrupted };

// Waits for the child's end, at most timeoutMs and while `interrupt` is not readable; a child
// still running then is killed. Its wait status.
int waitForChild(pid_t pid, int timeoutMs, int interrupt, Ending* ending)
{
    *ending = Ending::Ended;
#ifdef SYS_pidfd_open
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
#else
    const int pidfd = -1;
#endif
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            break;
        if (ended < 0 && errno != EINTR) {
            // Reaped by someone else: no word from the child counts as a failure.
            status = W_EXITCODE(kChildNotLoaded, 0);
            break;
        }
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0) {
            *ending = Ending::TimedOut;
            break;
        }
        // Without a process descriptor (kernels before 5.3) the child is looked at every 20 ms.
        pollfd fds[2] = {{pidfd, POLLIN, 0}, {interrupt, POLLIN, 0}};
        if (::poll(fds, 2, int(pidfd >= 0 ? left : qMin<qint64>(left, 20))) > 0 && (fds[1].revents & POLLIN)) {
            *ending = Ending::Interrupted;
            break;
        }
    }
    if (pidfd >= 0)
        ::close(pidfd);
    if (*ending != Ending::Ended) {
        ::kill(pid, SIGKILL);
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    return status;
}

} // namespace

const VQPocketsphinxLibrary* VQPocketsphinxLibrary::open(QString* error)
{
    static std::once_flag once;
    static VQPocketsphinxLibrary library;
    static const VQPocketsphinxLibrary* opened = nullptr;
    static QString failure;
    std::call_once(once, [] {
        void* base = dlopen(kSphinxbase, RTLD_NOW | RTLD_LOCAL);
        void* decoder = base ? dlopen(kPocketsphinx, RTLD_NOW | RTLD_LOCAL) : nullptr;
        if (!decoder) {
            failure = QString::fromLocal8Bit(dlerror());
            if (base)
                dlclose(base);
            return;
        }
        QStringList missing;
        const auto resolve = [&missing](void* handle, const char* name, auto* function) {
            *function = reinterpret_cast<std::remove_pointer_t<decltype(function)>>(dlsym(handle, name));
            if (!*function)
                missing << QString::fromLatin1(name);
        };
        resolve(decoder, "ps_args", &library.psArgs);
        resolve(decoder, "ps_init", &library.psInit);
        resolve(decoder, "ps_free", &library.psFree);
        resolve(decoder, "ps_get_logmath", &library.psGetLogmath);
        resolve(decoder, "ps_lookup_word", &library.psLookupWord);
        resolve(decoder, "ps_start_utt", &library.psStartUtt);
        resolve(decoder, "ps_end_utt", &library.psEndUtt);
        resolve(decoder, "ps_process_raw", &library.psProcessRaw);
        resolve(decoder, "ps_get_in_speech", &library.psGetInSpeech);
        resolve(decoder, "ps_get_hyp", &library.psGetHyp);
        resolve(base, "cmd_ln_init", &library.cmdLnInit);
        resolve(base, "cmd_ln_free_r", &library.cmdLnFree);
        resolve(base, "err_set_logfp", &library.errSetLogfp);
        resolve(base, "ngram_model_read", &library.ngramModelRead);
        resolve(base, "ngram_model_get_counts", &library.ngramModelGetCounts);
        resolve(base, "ngram_word", &library.ngramWord);
        if (!missing.isEmpty()) {
            failure = QStringLiteral("%1 lack %2").arg(QLatin1String(kPocketsphinx), missing.join(QStringLiteral(", ")));
            dlclose(decoder);
            dlclose(base);
            return;
        }
        // The library writes no log of its own; the recogniser reports what went wrong.
        library.errSetLogfp(nullptr);
        opened = &library;
    });
    if (!opened && error)
        *error = QStringLiteral("the recogniser's libraries could not be opened: %1").arg(failure);
    return opened;
}

cmd_ln_t* VQPocketsphinxLibrary::configure(const QByteArray& acousticModel, const QByteArray& languageModel,
                                           const QByteArray& dictionary) const
{
    const QByteArray rate = QByteArray::number(kSampleRate);
    return cmdLnInit(nullptr, psArgs(), TRUE, "-hmm", acousticModel.constData(), "-lm", languageModel.constData(), "-dict",
                     dictionary.constData(), "-samprate", rate.constData(), "-logfn", "/dev/null", nullptr);
}

QString VQPocketsphinxModelCheck::verdict(const Files& files, int timeoutMs, int interrupt)
{
    static std::mutex mutex;
    static QHash<QString, QString> verdicts;
    const QString key = modelKey(files);
    {
        const std::lock_guard lock(mutex);
        const auto known = verdicts.constFind(key);
        if (known != verdicts.constEnd())
            return *known;
    }
    QElapsedTimer clock;
    clock.start();
    const QByteArray acousticModel = QFile::encodeName(files.acousticModel);
    const QByteArray languageModel = QFile::encodeName(files.languageModel);
    const QByteArray dictionary = QFile::encodeName(files.dictionary);
    const pid_t pid = startCheck(acousticModel, languageModel, dictionary);
    if (pid < 0) {
        const QString reason = QString::fromLocal8Bit(strerror(errno));
        return QStringLiteral("the model in %1 could not be checked: %2").arg(files.acousticModel, reason);
    }
    Ending ending = Ending::Ended;
    const int status = waitForChild(pid, timeoutMs, interrupt, &ending);
    if (ending == Ending::Interrupted)
        return QStringLiteral("the check of the model in %1 was broken off").arg(files.acousticModel);
    QString reason;
    if (ending == Ending::TimedOut)
        reason = QStringLiteral("the model in %1 did not load within %2 ms").arg(files.acousticModel).arg(timeoutMs);
    else if (WIFSIGNALED(status))
        reason = QStringLiteral("trying the model in %1 crashed (signal %2)").arg(files.acousticModel).arg(WTERMSIG(status));
    else if (WEXITSTATUS(status) == kChildNoWords)
        reason = QStringLiteral("the dictionary %1 has no word of the language model").arg(files.dictionary);
    else if (WEXITSTATUS(status) != 0)
        reason = QStringLiteral("the model in %1 could not be loaded").arg(files.acousticModel);
    VQLogInfo(QStringLiteral("offline recogniser: model checked in %1 ms: %2")
                  .arg(clock.elapsed())
                  .arg(reason.isEmpty() ? QStringLiteral("usable") : reason));
    const std::lock_guard lock(mutex);
    verdicts.insert(key, reason);
    return reason;
}
