#pragma once
// The one prompt a test's script saw: its text, title and style.

#include <gtest/gtest.h>

#include "platform/promptscript.h"

namespace zelk::test {

inline void expectPrompt(const PromptScript& script, const QString& text,
                         const QString& title = QStringLiteral("系统提示"),
                         int style = vbInformation) {
    ASSERT_EQ(script.prompts().size(), 1u);
    EXPECT_EQ(script.prompts()[0].text, text);
    EXPECT_EQ(script.prompts()[0].title, title);
    EXPECT_EQ(script.prompts()[0].style, style);
}

}  // namespace zelk::test
