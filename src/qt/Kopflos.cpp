#include "qt/Kopflos.h"

#include <QByteArray>
#include <QtGlobal>

std::unique_ptr<QGuiApplication> KopflosStarten(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    return std::make_unique<QGuiApplication>(argc, argv);
}
