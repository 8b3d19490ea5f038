#include "tests/tools/BankToolRun.h"

#include <QFile>
#include <sstream>
#include <stdexcept>

BankToolRun BankToolRun::Of(Command command, const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    BankToolRun run;
    run.m_nStatus = command(arguments, out, err);
    run.m_strOut = out.str();
    run.m_strErr = err.str();
    return run;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}
