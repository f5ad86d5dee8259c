#pragma once

// The player's settings, kept between runs with QSettings (organisation "Quillon Games",
// application "Marrowmere 1.0": an INI file under XDG_CONFIG_HOME). Six text values:
//   "SoundVolume"      the master level 0..1 as text ("1", "0.5", "0.07"); default 1
//   "SoundMuted"       muted only if exactly "true"; default not muted
//   "BackgroundMusic"  off only if exactly "false"; default on
//   "Animations"       off only if exactly "false"; default on
//   "PlayerName"       at most 12 characters; default empty
//   "FirstTime"        not the first run only if exactly "false"; default first run
// Names are looked up with their exact case. Nothing is cached: every call opens the settings,
// reads or writes, and closes them again. Getters set their output to the default first and
// change it only when the value is found and makes sense; a hand-edited file with nonsense in it
// gives the defaults.
class Preferences {
public:
    static constexpr const char* organisationName = "Quillon Games";
    static constexpr const char* applicationName = "Marrowmere 1.0";
    static constexpr unsigned long flagBufferSize = 12;
    static constexpr unsigned long nameBufferSize = 13;
    static constexpr int playerNameLength = 12;

    static void GetSoundVolume(double& level, bool& isMuted);
    static void SetSoundVolume(double level, bool isMuted);
    static void GetBackgroundMusicActivityState(bool& isBackgroundMusicActive);
    static void SetBackgroundMusicActivityState(bool isBackgroundMusicActive);
    static void GetQuiescentAnimationsActivityState(bool& areQuiescentAnimationsActive);
    static void SetQuiescentAnimationsActivityState(bool areQuiescentAnimationsActive);
    // Multitasking is always on; the setter stores nothing.
    static void GetMultitaskingActivityState(bool& isMultitaskingActive);
    static void SetMultitaskingActivityState(bool isMultitaskingActive);
    // Hands out a new[] copy of the stored name ("" when there is none); the caller delete[]s it.
    static void GetDefaultPlayerName(char*& defaultPlayerName);
    // Stores at most the first 12 characters; null or "" stores the empty name.
    static void SetDefaultPlayerName(const char* defaultPlayerName);
    static void GetFirstTimeRun(bool& firstTime);
    static void SetFirstTimeRun(bool firstTime);

    // Copies the value named exactly pName into pData: at most nSizeData - 1 bytes and a
    // terminating zero, so a text longer than the buffer is cut. False when there is no such
    // value (or no buffer).
    static bool FindValue(const char* pName, unsigned long nSizeName, void* pData, unsigned long nSizeData);

    // The module's copy of the last player name read or written.
    static const char* DefaultPlayerNameBuffer() { return pDefaultPlayerName; }

    // The volume's text form: at most four significant digits, no trailing zeros.
    static void FormatVolume(double level, char* text, unsigned long size);

private:
    static void WriteValue(const char* name, const char* text);
    static bool ReadSwitch(const char* name, const char* nonDefaultText);

    static char pDefaultPlayerName[nameBufferSize];
};
