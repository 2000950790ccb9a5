// sim_prompt.cpp - answering prompts from the queue.
#include "sim/sim_prompt.h"

void CSimPrompt::Queue(const char *answer) {
    m_answers.push_back(CAnswer{answer != nullptr, answer ? answer : ""});
}

const char *CSimPrompt::Ask(const char *defaultAnswer) {
    m_hasDefault = defaultAnswer != nullptr;
    m_default = defaultAnswer ? defaultAnswer : "";
    if (m_answers.empty()) return nullptr;
    CAnswer next = m_answers.front();
    m_answers.pop_front();
    if (!next.m_given) return nullptr;
    m_answer = next.m_text;
    return m_answer.c_str();
}
