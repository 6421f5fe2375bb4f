#pragma once

#include <QString>

// Carries out the action of one voice command, chosen by its type word (the cmdType of a
// VQVoiceCommandItem): "file" and "folder" open the file or folder that the command editor
// granted (the marker stored in the user defaults under exactly the target path; see
// VQToolManager::openFileWithPath), "shortcuts" posts the key combination of a shortcut record,
// "text" pastes the text into the focused application, and any other word ("website", "" for a
// web search) opens the target as a web address in the default browser ("http://" put in front
// when it has neither scheme, in any letter case).
//
// Stateless; one shared instance. Main thread only (it posts keys and opens addresses).
class VQCmdService {
public:
    static VQCmdService& sharedInstance();

    // True when the action was started. False, so that the caller can fall back, for an empty
    // target, a file or folder without its stored marker or no longer on disk, a shortcut record
    // that posts no key, a text that could not be pasted, and an address that is not a web
    // address or that the desktop refused.
    bool openFileWithCmdPath(const QString& path, const QString& cmdType);

private:
    VQCmdService() = default;
    VQCmdService(const VQCmdService&) = delete;
    VQCmdService& operator=(const VQCmdService&) = delete;
};
