// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "settings/settings.h"
#include "settings/stored_text.h"
#include "support/fake_store.h"

#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT

  private slots:
    void flags_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::newRow("True") << "True" << false << true;
        QTest::newRow("False") << "False" << true << false;
        QTest::newRow("lower case is not the form") << "true" << false << false;
        QTest::newRow("number") << "1" << true << true;
        QTest::newRow("padded") << " True" << false << false;
        QTest::newRow("empty") << "" << true << true;
    }
    void flags() {
        QFETCH(QString, text);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        QCOMPARE(flagFromText(text, defaultValue), expected);
    }

    void flagTexts() {
        QCOMPARE(flagText(true), QString("True"));
        QCOMPARE(flagText(false), QString("False"));
    }

    void integers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << "35" << 35;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-4" << -4;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("too large") << "40000" << 10;
        QTest::newRow("too small") << "-32769" << 10;
        QTest::newRow("huge") << "99999999999999999999999" << 10;
        QTest::newRow("text") << "ten" << 10;
        QTest::newRow("decimal point") << "12.5" << 10;
        QTest::newRow("hex") << "0x1F" << 10;
        QTest::newRow("sign only") << "-" << 10;
        QTest::newRow("empty") << "" << 10;
        QTest::newRow("surrounding blanks") << " 20 " << 20;
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("٣٥") << 10;
    }
    void integers() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(int(int16FromText(text, 10)), expected);
    }

    void checkValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("clear") << "0" << 0;
        QTest::newRow("ticked") << "1" << 1;
        QTest::newRow("greyed") << "2" << 2;
        QTest::newRow("three") << "3" << 0;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("word") << "True" << 0;
    }
    void checkValues() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(checkValueFromText(text, 0), expected);
    }

    void getSettingFallsBackToDefault() {
        FakeStore store;
        QCOMPARE(GetSetting(store, "Options", "MaximumSums", "10"), QString("10"));
        QCOMPARE(GetSetting(store, "Options", "LastPlayer"), QString());
        store.put("Options", "MaximumSums", "25");
        QCOMPARE(GetSetting(store, "Options", "MaximumSums", "10"), QString("25"));
        QVERIFY(store.entries.size() == 1); // reading creates nothing
    }

    void getAllSettingsTellsEmptyFromList() {
        FakeStore store;
        QVERIFY(!GetAllSettings(store, "History\\Sam").has_value());
        QVERIFY(SaveSetting(store, "History\\Sam", "06/12/26 14:03:09", "x"));
        const auto pairs = GetAllSettings(store, "History\\Sam");
        QVERIFY(pairs.has_value());
        QCOMPARE(pairs->size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
