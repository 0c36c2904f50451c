#include "FuzzSupport.h"

#include "text/Cp1252.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>

void FuzzStartUp()
{
    static int argc = 1;
    static char name[] = "quillo_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = nullptr;
    if (!app)
        app = new QCoreApplication(argc, argv);
}

// libFuzzer's start-up hook, shared by every target: the logic wants an application object.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzStartUp();
    return 0;
}

void FuzzFail(const char* property, const QString& detail)
{
    std::fprintf(stderr, "\n*** property broken: %s\n%s\n", property, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString FuzzText(const std::uint8_t* data, std::size_t size)
{
    return FromCp1252(FuzzBytes(data, size));
}

void WriteFuzzFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        FuzzFail("the fuzz input could be written", path);
}

QByteArray ReadFuzzFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
