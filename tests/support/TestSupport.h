#pragma once
// Helpers shared by the test executables.
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test's files; removed with the object.
class TestFolder {
public:
    QString path(const QString& name) const { return dir.filePath(name); }
private:
    QTemporaryDir dir;
};
