#pragma once

#include <QString>

// Sections and keys of the settings file.
namespace SettingsKeys {
inline const QString kMain = QStringLiteral("Main");
inline const QString kSchedule = QStringLiteral("Schedule");
inline const QString kNotify = QStringLiteral("Notify");

inline const QString kFirstStart = QStringLiteral("First start");
inline const QString kLanguage = QStringLiteral("Language");
inline const QString kKolStarts = QStringLiteral("Kol starts");
inline const QString kDict = QStringLiteral("Dict");
inline const QString kKolCorrectAnswers = QStringLiteral("Kol correct answers");
inline const QString kMaxBlockSize = QStringLiteral("Max block size learning words");
inline const QString kPopupDelay = QStringLiteral("Popup delay");
// 1: a typed translation is right when it is any one of the card's meanings.
inline const QString kTypedAnyMeaning = QStringLiteral("Typed answer any meaning");
// 1: each word is said aloud as it appears (a familiarization step, each question).
inline const QString kSayWords = QStringLiteral("Say words");

inline const QString kUseSchedule = QStringLiteral("Use schedule");
inline const QString kDuringDay = QStringLiteral("During day");
inline const QString kDuringDayValue = QStringLiteral("During day value");
inline const QString kDaily = QStringLiteral("Daily");
inline const QString kDailyValue = QStringLiteral("Daily value");
} // namespace SettingsKeys
