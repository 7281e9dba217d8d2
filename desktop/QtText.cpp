#include "desktop/QtText.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QStringList>

#include "ui/Embedded.h"
#include "ui/text/TextEngine.h"

METALLO_DECLARE_EMBEDDED(metallo_fonts)

namespace desktop {

namespace {
QString embeddedFamily() {
    static const QString family = [] {
        QString name;
        for (const char* file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}) {
            const metallo::EmbeddedFile* f = metallo_fonts_find(file);
            if (!f) continue;
            const int id = QFontDatabase::addApplicationFontFromData(
                QByteArray::fromRawData(reinterpret_cast<const char*>(f->data), static_cast<qsizetype>(f->size)));
            const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList{};
            if (name.isEmpty() && !families.isEmpty()) name = families.front();
        }
        return name.isEmpty() ? QStringLiteral("Liberation Sans") : name;
    }();
    return family;
}
}  // namespace

QString toQString(const std::string& s) {
    const std::u32string u = ui::text::decodeUtf8(s);
    return QString::fromUcs4(u.data(), static_cast<qsizetype>(u.size()));
}

QColor toQColor(ui::TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

int pixelSize(const ui::Font& f) { return ui::text::emPixels(f); }

QFont toQFont(const ui::Font& f) {
    QFont q(embeddedFamily());
    q.setPixelSize(pixelSize(f));
    q.setBold(f.bold);
    // The classic window face is narrower than the embedded Arial-metric face.
    if (QString::fromStdString(f.name).compare("MS Sans Serif", Qt::CaseInsensitive) == 0) q.setStretch(90);
    return q;
}

}  // namespace desktop
