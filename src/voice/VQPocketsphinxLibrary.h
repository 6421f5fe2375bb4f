#pragma once

// The headers give the types only: every function is called through VQPocketsphinxLibrary.
#include <pocketsphinx.h>
#include <sphinxbase/err.h>
#include <sphinxbase/ngram_model.h>

#include <QByteArray>
#include <QString>

// pocketsphinx and sphinxbase, opened at their first use (they bring BLAS and LAPACK along, over
// a megabyte that a program recognising nothing offline should not carry), and the functions
// the offline recogniser calls, resolved once.
struct VQPocketsphinxLibrary {
    decltype(&::ps_args) psArgs = nullptr;
    decltype(&::ps_init) psInit = nullptr;
    decltype(&::ps_free) psFree = nullptr;
    decltype(&::ps_get_logmath) psGetLogmath = nullptr;
    decltype(&::ps_lookup_word) psLookupWord = nullptr;
    decltype(&::ps_start_utt) psStartUtt = nullptr;
    decltype(&::ps_end_utt) psEndUtt = nullptr;
    decltype(&::ps_process_raw) psProcessRaw = nullptr;
    decltype(&::ps_get_in_speech) psGetInSpeech = nullptr;
    decltype(&::ps_get_hyp) psGetHyp = nullptr;
    decltype(&::cmd_ln_init) cmdLnInit = nullptr;
    decltype(&::cmd_ln_free_r) cmdLnFree = nullptr;
    decltype(&::err_set_logfp) errSetLogfp = nullptr;
    decltype(&::ngram_model_read) ngramModelRead = nullptr;
    decltype(&::ngram_model_get_counts) ngramModelGetCounts = nullptr;
    decltype(&::ngram_word) ngramWord = nullptr;

    // The libraries, opened at the first call and kept for the process (any thread); nullptr
    // with the reason when they cannot be opened or lack a function.
    static const VQPocketsphinxLibrary* open(QString* error);

    // The decoder's configuration for the model's files (16 kHz audio, the library's log off).
    cmd_ln_t* configure(const QByteArray& acousticModel, const QByteArray& languageModel, const QByteArray& dictionary) const;
};

// Whether a model can be used, found out in a process of its own (this program started anew,
// which checks before its main() runs): the library ends the process (exit()) on files it cannot
// read and may crash on damaged ones, so that process loads the model,
// decodes a quarter of a second of noise, makes sure the dictionary pronounces a word of the language model
// and ends. The caller waits at most timeoutMs, or until `interrupt` (a file descriptor, -1 for
// none) becomes readable. The verdict of each model is kept for the process, as long as its
// files keep their sizes and times. Empty when the model is usable, else the reason. The worker
// thread that loads the model calls it, never the main thread.
class VQPocketsphinxModelCheck {
public:
    struct Files {
        QString acousticModel;
        QString languageModel;
        QString dictionary;
    };
    static QString verdict(const Files& files, int timeoutMs, int interrupt);
};
