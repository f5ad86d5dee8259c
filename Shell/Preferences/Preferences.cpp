#include "Shell/Preferences/Preferences.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>

char Preferences::pDefaultPlayerName[Preferences::nameBufferSize] = {};

namespace {

constexpr const char* soundVolumeName = "SoundVolume";
constexpr const char* soundMutedName = "SoundMuted";
constexpr const char* backgroundMusicName = "BackgroundMusic";
constexpr const char* animationsName = "Animations";
constexpr const char* playerNameName = "PlayerName";
constexpr const char* firstTimeName = "FirstTime";

// The settings are opened for one call only, as the key of a registry would be.
QSettings OpenSettings()
{
    return QSettings(Preferences::organisationName, Preferences::applicationName);
}

// Texts are single-byte (Latin-1), as the high-score file keeps names. A hand-edited value with
// a comma reads back as a list; it is taken as the text it was.
QByteArray ValueText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toLatin1();
    return value.toString().toLatin1();
}

const char* BoolText(bool value) { return value ? "true" : "false"; }

} // namespace

bool Preferences::FindValue(const char* pName, unsigned long, void* pData, unsigned long nSizeData)
{
    if (pName == nullptr || pData == nullptr || nSizeData == 0)
        return false;
    QSettings settings = OpenSettings();
    const QStringList names = settings.childKeys();
    for (const QString& name : names) {
        if (name.toLatin1() != QByteArray(pName))
            continue;
        const QByteArray text = ValueText(settings.value(name));
        const unsigned long length = std::min<unsigned long>(text.size(), nSizeData - 1);
        std::memcpy(pData, text.constData(), length);
        static_cast<char*>(pData)[length] = '\0';
        return true;
    }
    return false;
}

void Preferences::WriteValue(const char* name, const char* text)
{
    QSettings settings = OpenSettings();
    settings.setValue(QString::fromLatin1(name), QString::fromLatin1(text));
    settings.sync();
}

bool Preferences::ReadSwitch(const char* name, const char* nonDefaultText)
{
    char text[flagBufferSize];
    return FindValue(name, 0, text, sizeof text) && std::strcmp(text, nonDefaultText) == 0;
}

void Preferences::FormatVolume(double level, char* text, unsigned long size)
{
    const QByteArray formatted = QByteArray::number(level, 'g', 4);
    const unsigned long length = std::min<unsigned long>(formatted.size(), size - 1);
    std::memcpy(text, formatted.constData(), length);
    text[length] = '\0';
}

void Preferences::GetSoundVolume(double& level, bool& isMuted)
{
    level = 1.0;
    isMuted = false;
    char text[flagBufferSize];
    if (FindValue(soundVolumeName, 0, text, sizeof text)) {
        bool isNumber = false;
        const double stored = QByteArray(text).trimmed().toDouble(&isNumber);
        // A text that is no number keeps the default instead of silencing the game.
        if (isNumber && std::isfinite(stored))
            level = std::clamp(stored, 0.0, 1.0);
    }
    isMuted = ReadSwitch(soundMutedName, "true");
}

void Preferences::SetSoundVolume(double level, bool isMuted)
{
    char text[flagBufferSize];
    FormatVolume(level, text, sizeof text);
    WriteValue(soundVolumeName, text);
    WriteValue(soundMutedName, BoolText(isMuted));
}

void Preferences::GetBackgroundMusicActivityState(bool& isBackgroundMusicActive)
{
    isBackgroundMusicActive = !ReadSwitch(backgroundMusicName, "false");
}

void Preferences::SetBackgroundMusicActivityState(bool isBackgroundMusicActive)
{
    WriteValue(backgroundMusicName, BoolText(isBackgroundMusicActive));
}

void Preferences::GetQuiescentAnimationsActivityState(bool& areQuiescentAnimationsActive)
{
    areQuiescentAnimationsActive = !ReadSwitch(animationsName, "false");
}

void Preferences::SetQuiescentAnimationsActivityState(bool areQuiescentAnimationsActive)
{
    WriteValue(animationsName, BoolText(areQuiescentAnimationsActive));
}

void Preferences::GetMultitaskingActivityState(bool& isMultitaskingActive)
{
    isMultitaskingActive = true;
}

void Preferences::SetMultitaskingActivityState(bool) {}

void Preferences::GetDefaultPlayerName(char*& defaultPlayerName)
{
    char text[nameBufferSize] = {};
    if (FindValue(playerNameName, 0, text, sizeof text))
        std::memcpy(pDefaultPlayerName, text, sizeof text);
    else
        pDefaultPlayerName[0] = '\0';
    defaultPlayerName = new char[nameBufferSize];
    std::memcpy(defaultPlayerName, pDefaultPlayerName, nameBufferSize);
}

void Preferences::SetDefaultPlayerName(const char* defaultPlayerName)
{
    std::memset(pDefaultPlayerName, 0, sizeof pDefaultPlayerName);
    if (defaultPlayerName != nullptr)
        std::strncpy(pDefaultPlayerName, defaultPlayerName, playerNameLength);
    WriteValue(playerNameName, pDefaultPlayerName);
}

void Preferences::GetFirstTimeRun(bool& firstTime)
{
    firstTime = !ReadSwitch(firstTimeName, "false");
}

void Preferences::SetFirstTimeRun(bool firstTime)
{
    WriteValue(firstTimeName, BoolText(firstTime));
}
