// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QTextBrowser;

// The manual on screen: one window for the whole program, shown beside the others (not
// modal) and reused, with the manual's page in a browser that follows its links, and the
// buttons "Zurück", "Vorwärts" and "Inhalt". F1 in a window made known with Anmelden opens
// the part of the manual that window names at that moment.
class THilfefenster final : public QWidget {
public:
    // handbuch is the manual's page; the pictures it shows lie beside it.
    explicit THilfefenster(std::filesystem::path handbuch);
    ~THilfefenster() override;

    // Shows the manual at the part anker (an id in the page) and brings the window to the
    // front. Where the manual is missing, the window says so and names the file.
    void Zeigen(const std::string& anker);
    // F1 pressed anywhere in fenster shows the part anker gives then.
    void Anmelden(QWidget& fenster, std::function<std::string()> anker);

    QTextBrowser& Browser() const { return *BrowserFeld; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::filesystem::path Handbuch;
    QTextBrowser* BrowserFeld = nullptr;
    std::vector<std::pair<QPointer<QWidget>, std::function<std::string()>>> Fenster;
};
