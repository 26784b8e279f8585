#pragma once
// A fixture for window tests: clears the recorded prompts, restores the language and closes
// every window after each test.

#include "common/StringTable.h"
#include "common/WizardState.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormRegistry.h"
#include "support/RecordingPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        prompts().clear();
        prompts().onAsk = nullptr;
        StringTable::setLanguage(Language::ZhCN);
        // The wizards' shared variables start as at program start in every test.
        wizard::resetAll();
    }
    void TearDown() override {
        FormRegistry::closeAllExcept();
        flush();
        prompts().clear();
        prompts().onAsk = nullptr;
        StringTable::setLanguage(Language::ZhCN);
    }

    static RecordingPrompter& prompts() { return RecordingPrompter::instance(); }

    // Processes pending events, deleted windows included.
    static void flush() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // Opens a window by class name; fails the test when no library provides it.
    template <class T = FormBase> static T* open(const QString& className) {
        FormBase* f = FormRegistry::show(className);
        EXPECT_NE(f, nullptr) << qPrintable(className);
        return dynamic_cast<T*>(f);
    }

    // Replaces a field's text as a user would, without going through the key filter.
    static void type(FormBase* f, const QString& name, const QString& text) { f->setText(name, text); }
    static void click(FormBase* f, const QString& name) { f->button(name)->click(); }
};
