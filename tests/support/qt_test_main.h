// The test classes of a program of widget or pseudo-terminal tests: each source registers its class
// with ZARVEX1_TEST_MAIN (or ZARVEX1_TEST_GUILESS_MAIN for a class that needs no windows) in place of
// Qt Test's QTEST_MAIN, and qt_test_main.cpp holds the program's one main.
#pragma once

#include <QtTest/QtTest>

namespace zarvex1::test {

// The application a class runs under when it runs alone, as QTEST_MAIN and QTEST_GUILESS_MAIN make it.
enum class TestApplication { Widgets, Console };

struct TestClass {
    const char *name;   // the class, "ComMenuTest"
    const char *source; // its source file (__FILE__): "com_menu_test" names the class as well
    TestApplication application;
    void (*initMain)();                 // the class's static initMain(), before the application
    int (*run)(int argc, char *argv[]); // QTest::qExec on a new object of the class
};

// Called once per class before main(); the return value only lets a namespace constant hold it.
bool RegisterTestClass(const TestClass &testClass);

} // namespace zarvex1::test

#define ZARVEX1_TEST_CLASS(TestObject, application)                                                          \
    namespace {                                                                                              \
    int RunTestClass(int argc, char *argv[]) {                                                               \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }                                                                                                        \
    [[maybe_unused]] const bool testClassRegistered = zarvex1::test::RegisterTestClass(                      \
        {#TestObject, __FILE__, application, &QTest::Internal::callInitMain<TestObject>, &RunTestClass});    \
    }

#define ZARVEX1_TEST_MAIN(TestObject) ZARVEX1_TEST_CLASS(TestObject, zarvex1::test::TestApplication::Widgets)
#define ZARVEX1_TEST_GUILESS_MAIN(TestObject)                                                                \
    ZARVEX1_TEST_CLASS(TestObject, zarvex1::test::TestApplication::Console)
