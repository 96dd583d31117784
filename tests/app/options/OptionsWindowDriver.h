#pragma once

#include "core/common/DocumentEvents.h"
#include "core/document/EditHistory.h"
#include "options/OptionTextField.h"
#include "options/OptionsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace r5k27::test {

// Works the options window the way a user does: choices, clicks and keys, never its members.
struct OptionsWindowDriver {
    OptionsWindow* options = nullptr;

    template <class W> W* control(const char* name) const {
        auto* w = options->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox* list(const char* name) const { return control<QComboBox>(name); }
    QCheckBox* check(const char* name) const { return control<QCheckBox>(name); }
    OptionTextField* field(const char* name) const { return control<OptionTextField>(name); }

    static QStringList entries(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }
    // A choice from the drop-down list.
    static void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static void choose(QComboBox* box, const QString& text) {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        choose(box, index);
    }
    // Replaces the whole text by typing, as after entering the field.
    static void typeOver(OptionTextField* field, const QString& keys) {
        field->selectAll();
        QTest::keyClicks(field, keys);
    }
};

// The Undo names announced, with their merge keys.
struct EditLog {
    explicit EditLog(EditHistory& history) {
        QObject::connect(&history, &EditHistory::recorded,
                         [this](const EditName& name, const QString& key) {
                             names << name.in(Language::English);
                             keys << key;
                         });
    }
    QStringList names;
    QStringList keys;
};

} // namespace r5k27::test
