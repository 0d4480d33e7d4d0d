// What loading and saving the settings needs from the main window besides the
// profile store: its current rectangle, the colour chooser's shared custom
// colours, and the history file.
#pragma once
#include <cstdint>

using ColorRef = uint32_t;   // 0x00BBGGRR

struct WindowRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

class ISettingsHost {
public:
    static const int kCustomColorCount = 16;

    virtual ~ISettingsHost() = default;

    // The window's current rectangle in screen coordinates, shown or hidden.
    virtual WindowRect GetWindowRect() const = 0;
    // The sixteen custom colours shared by every colour chooser of the program.
    virtual ColorRef* CustomColors() = 0;

    // Reads the history file into the (still empty) history list.
    virtual void LoadHistory() = 0;
    // Writes the whole history list to the history file.
    virtual void SaveHistory() = 0;
    // Deletes the history file; a failure is ignored.
    virtual void DeleteHistoryFile() = 0;
    // Frees every history entry and empties the list.
    virtual void FreeHistory() = 0;
};
