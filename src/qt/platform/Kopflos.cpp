// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/Kopflos.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

// A run from a script or a service often has no XDG_RUNTIME_DIR; Qt then falls back to a
// directory of its own and says so on every start. That notice says nothing about the
// worksheet, so it does not reach the error output; every other message does.
void Nachricht(QtMsgType art, const QMessageLogContext& ort, const QString& text)
{
    if (art == QtWarningMsg && text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(art, ort, text)));
    if (art == QtFatalMsg)
        std::abort();
}

} // namespace

std::unique_ptr<QGuiApplication> KopflosStarten(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qInstallMessageHandler(Nachricht);
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool FensterMoeglich()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
