#pragma once

#include "toolkit/AlertPresenter.h"

#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Stands in for the alert windows: records every alert as "Message/Informative" (a confirmation
// with its buttons, "Message/Informative?OK|Cancel"; one that names what it deletes,
// "Message[subject]/Informative?OK|Cancel") and answers confirmations from a script;
// with no answer left, the user pressed Cancel.
class ScriptedAlerts : public AlertPresenter {
public:
    std::vector<std::string> shown;
    std::deque<int> answers;
    // Runs while a confirmation is open, as another copy or the user might meanwhile.
    std::function<void()> whileOpen;

    void showKeyedAlert(const QString& message, const QString& informative) override {
        shown.push_back((message + "/" + informative).toStdString());
    }
    void showTextAlert(const QString& message, const QString& informative) override {
        showKeyedAlert(message, informative);
    }
    int runTextConfirmation(const QString& message, const QString& informative, const QString& yes,
                            const QString& no) override {
        return runDeleteConfirmation(message, informative, yes, no);
    }
    int runDeleteConfirmationOf(const QString& subject, const QString& message,
                                const QString& informative, const QString& yes,
                                const QString& no) override {
        return runDeleteConfirmation(message + "[" + subject + "]", informative, yes, no);
    }
    int runDeleteConfirmation(const QString& message, const QString& informative,
                              const QString& yes, const QString& no) override {
        shown.push_back((message + "/" + informative + "?" + yes + "|" + no).toStdString());
        const int answer = answers.empty() ? AlertOtherReturn : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        if (whileOpen && !inWhileOpen_) { // not again for an alert that it opens itself
            inWhileOpen_ = true;
            whileOpen();
            inWhileOpen_ = false;
        }
        return answer;
    }

private:
    bool inWhileOpen_ = false;
};
