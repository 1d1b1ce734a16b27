#include "learning/ChoiceQuestion.h"

#include "base/Random.h"

#include <algorithm>
#include <utility>

void ChoiceQuestion::Prepare(const QStringList& translations, const QString& answer, Random& random)
{
    for (QString& option : m_choiceOptions) {
        option.clear();
    }
    m_choiceAnswer = answer;
    m_count = std::min(static_cast<int>(translations.size()), kCapacity);
    for (int n = 1; n <= m_count; ++n) {
        m_choiceOptions.at(static_cast<std::size_t>(n - 1)) = translations.at(n - 1);
    }
    random.Reseed();
    for (int i = 0; i < m_count; ++i) {
        const int a = random.Below(m_count);
        const int b = random.Below(m_count);
        std::swap(m_choiceOptions.at(static_cast<std::size_t>(a)), m_choiceOptions.at(static_cast<std::size_t>(b)));
    }
}
