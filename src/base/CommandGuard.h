#pragma once

#include "base/AppError.h"
#include "base/Prompts.h"

#include <exception>
#include <utility>

// Every command a window runs for the user goes through one guard: a failure shows its
// message in an error box, the rest of the command does not run, and the program goes on.
// No exception crosses Qt's event loop.
class CommandGuard {
public:
    explicit CommandGuard(Prompts& prompts)
        : m_prompts(prompts)
    {
    }

    // Runs the command; true when it finished, false when it failed (its error was shown).
    template <class Command> bool Run(Command&& command) const
    {
        try {
            std::forward<Command>(command)();
            return true;
        } catch (const AppError& error) {
            m_prompts.Error(error.Localized());
        } catch (const std::exception& error) {
            m_prompts.Error(QString::fromUtf8(error.what()));
        } catch (...) {
            m_prompts.Error(UserText::Localized(UserText(QStringLiteral("form1_message_error_unexpected"),
                QStringLiteral("An unexpected error stopped the command."))));
        }
        return false;
    }

private:
    Prompts& m_prompts;
};
