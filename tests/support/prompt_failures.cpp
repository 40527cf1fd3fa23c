#include "support/prompt_failures.h"

#include <gtest/gtest.h>

#include "platform/prompts.h"

namespace zelk::test {

void installPromptFailureReport() {
    setPromptFailureHandler([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
}

CapturedPromptFailures::CapturedPromptFailures() {
    setPromptFailureHandler([this](const QString& message) { messages_ << message; });
}

CapturedPromptFailures::~CapturedPromptFailures() {
    installPromptFailureReport();
}

}  // namespace zelk::test
