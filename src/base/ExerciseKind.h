#pragma once

#include <QString>
#include <array>
#include <cstddef>

// The six exercises a card keeps a right-answer counter for. The first four are the
// exercises 1 to 4 of a learning session, in the order a block moves through them; the
// association and mosaic exercises are never scheduled.
enum class ExerciseKind {
    vibor_perevoda,
    para,
    vspomnit,
    perevod,
    associaciya,
    mozaika,
};

inline constexpr std::size_t kExerciseKindCount = 6;
inline constexpr std::array<ExerciseKind, kExerciseKindCount> kAllExerciseKinds { ExerciseKind::vibor_perevoda,
    ExerciseKind::para, ExerciseKind::vspomnit, ExerciseKind::perevod, ExerciseKind::associaciya,
    ExerciseKind::mozaika };

// One flag per exercise kind.
class ExerciseFlags {
public:
    bool operator[](ExerciseKind kind) const { return m_flags[static_cast<std::size_t>(kind)]; }
    bool& operator[](ExerciseKind kind) { return m_flags[static_cast<std::size_t>(kind)]; }

private:
    std::array<bool, kExerciseKindCount> m_flags {};
};

// The identifier, e.g. "vibor_perevoda".
QString ExerciseIdentifier(ExerciseKind kind);
// The settings key of section Main that enables the exercise, e.g. "Use vibor perevoda".
QString UseSettingKey(ExerciseKind kind);
// The key of section Notify that records its one-time notice, e.g. "Vibor_perevoda".
QString NotifyKey(ExerciseKind kind);
