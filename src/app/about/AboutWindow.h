#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace r5k27 {

struct AppContext;
class Prompter;

// The About window: program title and version; the Chinese window also
// offers the system information.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(const AppContext& ctx, Prompter& prompter, QWidget* parent = nullptr);

private:
    void showSystemInformation();

    const AppContext& ctx_;
    Prompter& prompter_;
};

// Opens the About window of the current language modally.
void showAboutWindow(const AppContext& ctx, Prompter& prompter, QWidget* parent);

} // namespace r5k27
