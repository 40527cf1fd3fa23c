#pragma once
// Connects the prompt seam's failure reports (unexpected prompts, unused script answers, modal
// windows left open) to GoogleTest failures.

#include <QString>
#include <QStringList>

namespace zelk::test {

// Every report becomes ADD_FAILURE. The test main installs it once.
void installPromptFailureReport();

// For tests of the script itself: collects the reports instead of failing, for its lifetime.
class CapturedPromptFailures {
  public:
    CapturedPromptFailures();
    ~CapturedPromptFailures();
    CapturedPromptFailures(const CapturedPromptFailures&) = delete;
    CapturedPromptFailures& operator=(const CapturedPromptFailures&) = delete;
    const QStringList& messages() const { return messages_; }

  private:
    QStringList messages_;
};

}  // namespace zelk::test
