#pragma once

#include <QString>

// One command word as a plain record: its type id, its word and its content. No operation of
// the program reads or writes it; the command lists use VQVoiceCommandItem.
struct CommandWordModel {
    QString typeId;
    QString word;
    QString content;
};
