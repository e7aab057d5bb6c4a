#include <QApplication>
#include <cstdlib>

#include "window/ExceptionBox.h"
#include "window/Form1.h"

namespace {

// Failures that escape an event handler are shown and the program goes on.
class TApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &failure) {
            ShowException(QString::fromLocal8Bit(failure.what()));
        } catch (...) {
            ShowException(QString());
        }
        return false;
    }
};

}  // namespace

int main(int argc, char **argv)
{
    try {
        TApplication application(argc, argv);
        TApplication::setApplicationName(QStringLiteral("Lumetra"));
        return ExitStatusOf([] {
            TForm1 form;
            form.show();
            return TApplication::exec();
        });
    } catch (...) {
        // Without an application object no box can be shown.
        return EXIT_FAILURE;
    }
}
