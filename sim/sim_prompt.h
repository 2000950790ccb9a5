// sim_prompt.h - the user at the prompt, played from a queue of answers.
//
// CSimPrompt  scripted answers (an answer or none), the answer last given
//             and the default answer last shown
#pragma once

#include <deque>
#include <string>

class CSimPrompt {
public:
    CSimPrompt() : m_hasDefault(false) {}

    // answer NULL queues "no answer".
    void Queue(const char *answer);
    int Pending() const { return static_cast<int>(m_answers.size()); }
    // Shows defaultAnswer and takes the next answer: a pointer valid until the
    // next Ask, or NULL when the queue holds none.
    const char *Ask(const char *defaultAnswer);
    const char *LastDefault() const { return m_hasDefault ? m_default.c_str() : nullptr; }

private:
    struct CAnswer {
        bool m_given;
        std::string m_text;
    };
    std::deque<CAnswer> m_answers;
    std::string m_answer;
    std::string m_default;
    bool m_hasDefault;
};
