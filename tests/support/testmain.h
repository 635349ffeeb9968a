#pragma once

#include "fakeplatform.h"

#include <QApplication>
#include <QtTest>

// Like QTEST_MAIN, but the recording platform fake is in place before any window exists, so
// no test can reach a real dialog, the shell or the power switch.
#define VANTREL_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        Platform::setServices(&fakePlatform());                                                    \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
