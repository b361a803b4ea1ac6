// The one main of a program of Qt Test classes (the widget tests, the pseudo-terminal tests).
//
//   test_gui CLASS [Qt Test arguments]   runs one class in this process, as its own program would:
//                                        CLASS is the class ("ComMenuTest") or its source
//                                        ("com_menu_test"); the arguments pick test functions, -v2 …
//   test_gui [Qt Test arguments]         runs every class, each in a process of its own, and fails
//                                        when any fails
//   test_gui --classes                   lists the classes
//
// Every class runs in a process of its own because the tests count on it: they point the settings
// folder and the desktop's folders elsewhere through the environment and leave them so, set the
// dialogs' hooks to lambdas over their own objects, and create the one QApplication of the process.
#include "qt_test_main.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace zarvex1::test {

namespace {

std::vector<TestClass> &Registered() {
    static std::vector<TestClass> classes;
    return classes;
}

// "com_menu_test" from ".../tests/gui/com_menu_test.cpp".
std::string SourceName(const TestClass &testClass) {
    return QFileInfo(QString::fromUtf8(testClass.source)).completeBaseName().toStdString();
}

// The class without its namespace: "ComMenuTest" from "zarvex1::ComMenuTest".
std::string ShortName(const TestClass &testClass) {
    const std::string name = testClass.name;
    const auto colons = name.rfind("::");
    return colons == std::string::npos ? name : name.substr(colons + 2);
}

const TestClass *Find(const char *name) {
    for (const TestClass &testClass : Registered())
        if (name == ShortName(testClass) || name == std::string(testClass.name) ||
            name == SourceName(testClass))
            return &testClass;
    return nullptr;
}

// As QTEST_MAIN and QTEST_GUILESS_MAIN run a class: initMain, the application, the class.
int RunHere(const TestClass &testClass, int argc, char *argv[]) {
    testClass.initMain();
    if (testClass.application == TestApplication::Widgets) {
        QApplication app(argc, argv);
        app.setAttribute(Qt::AA_Use96Dpi, true);
        return testClass.run(argc, argv);
    }
    QCoreApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    return testClass.run(argc, argv);
}

int RunEach(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QString program = QCoreApplication::applicationFilePath();
    QStringList passedOn;
    for (int i = 1; i < argc; ++i)
        passedOn << QString::fromLocal8Bit(argv[i]);
    std::vector<std::string> failed;
    for (const TestClass &testClass : Registered()) {
        std::fflush(stdout);
        const int status =
            QProcess::execute(program, QStringList{QString::fromUtf8(testClass.name)} + passedOn);
        if (status != 0)
            failed.push_back(ShortName(testClass) + (status < 0 ? " (crashed)" : ""));
    }
    std::printf("%zu test classes, %zu failed", Registered().size(), failed.size());
    for (const std::string &name : failed)
        std::printf("%s %s", &name == &failed.front() ? ":" : ",", name.c_str());
    std::printf("\n");
    return failed.empty() ? 0 : 1;
}

} // namespace

bool RegisterTestClass(const TestClass &testClass) {
    Registered().push_back(testClass);
    return true;
}

} // namespace zarvex1::test

int main(int argc, char *argv[]) {
    using namespace zarvex1::test;
    std::sort(Registered().begin(), Registered().end(),
              [](const TestClass &a, const TestClass &b) { return SourceName(a) < SourceName(b); });
    if (argc > 1 && std::strcmp(argv[1], "--classes") == 0) {
        for (const TestClass &testClass : Registered())
            std::printf("%s %s\n", ShortName(testClass).c_str(), SourceName(testClass).c_str());
        return 0;
    }
    if (argc > 1) {
        if (const TestClass *testClass = Find(argv[1])) {
            argv[1] = argv[0]; // the class's own arguments, after the program's name
            return RunHere(*testClass, argc - 1, argv + 1);
        }
        if (argv[1][0] != '-') {
            std::fprintf(stderr, "%s: no test class %s (--classes lists them)\n", argv[0], argv[1]);
            return 2;
        }
    }
    return RunEach(argc, argv);
}
