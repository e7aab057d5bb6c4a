#include "window/AboutBox.h"

#include <QMessageBox>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <ginac/version.h>
extern "C" {
#include <libavutil/avutil.h>
}

namespace {

QString Dotted(int major, int minor, int patch)
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(patch);
}

QString Libraries()
{
    const int fontconfig = FcGetVersion();
    const QStringList lines = {
        QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion())),
        QStringLiteral("GiNaC %1 and CLN")
            .arg(Dotted(GINACLIB_MAJOR_VERSION, GINACLIB_MINOR_VERSION, GINACLIB_MICRO_VERSION)),
        QStringLiteral("FFmpeg %1").arg(QString::fromLatin1(av_version_info())),
        QStringLiteral("FreeType %1").arg(Dotted(FREETYPE_MAJOR, FREETYPE_MINOR, FREETYPE_PATCH)),
        QStringLiteral("Fontconfig %1").arg(Dotted(fontconfig / 10000, fontconfig / 100 % 100, fontconfig % 100)),
        QStringLiteral("OpenGL and GLU"),
    };
    return lines.join(QStringLiteral("<br>"));
}

}  // namespace

QString AboutText()
{
    return QStringLiteral("<h3>Lumetra %1</h3>"
                          "<p>Pedal curves and their relatives in the Euclidean and the Minkowski plane.</p>"
                          "<p>Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</p>"
                          "<p>Built with:<br>%2</p>")
        .arg(QStringLiteral(LUMETRA_VERSION), Libraries());
}

void ShowAboutBox(QWidget *parent)
{
    auto *box =
        new QMessageBox(QMessageBox::NoIcon, QStringLiteral("About Lumetra"), AboutText(), QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
