#include "platform/report/report.h"

#include "platform/report/messages.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>
#include <cstdio>

namespace vantrel::report {

namespace {

const QString formatTag = QStringLiteral("vantrel-report 1");

struct KindName {
    Kind kind;
    const char* name;
};
constexpr KindName kindNames[] = {{Kind::Text, "text"},
                                  {Kind::Memo, "memo"},
                                  {Kind::Line, "line"},
                                  {Kind::Bitmap, "bitmap"},
                                  {Kind::Rect, "rect"}};

// A template whose text does not make a report: the reason is shown with the file name.
class Damaged : public std::runtime_error {
public:
    explicit Damaged(const QString& reason)
        : std::runtime_error(reason.toStdString()), reason(reason) {}
    QString reason;
};

Kind kindFromName(const QString& name, const QString& element) {
    for (const KindName& k : kindNames)
        if (name == QLatin1String(k.name))
            return k.kind;
    throw Damaged(QStringLiteral("type « %1 » inconnu pour l'élément « %2 »").arg(name, element));
}

Justify justifyFromName(const QString& name) {
    if (name == QLatin1String("center"))
        return Justify::Center;
    if (name == QLatin1String("right"))
        return Justify::Right;
    return Justify::Left;
}

QString justifyName(Justify justify) {
    switch (justify) {
    case Justify::Center:
        return QStringLiteral("center");
    case Justify::Right:
        return QStringLiteral("right");
    case Justify::Left:
        break;
    }
    return QStringLiteral("left");
}

QColor colorFrom(const QJsonValue& value, const QColor& fallback) {
    if (!value.isString())
        return fallback;
    const QString text = value.toString();
    if (text.isEmpty())
        return QColor();
    const QColor color = QColor::fromString(text);
    return color.isValid() ? color : fallback;
}

QString colorText(const QColor& color) {
    return color.isValid() ? color.name(QColor::HexRgb) : QString();
}

// Fields absent from the object keep the values of `base`, so that a template states
// only what differs from its report's font.
Font fontFrom(const QJsonValue& value, const Font& base) {
    Font font = base;
    const QJsonObject o = value.toObject();
    font.family = o.value(QLatin1String("family")).toString(font.family);
    font.size = o.value(QLatin1String("size")).toDouble(font.size);
    font.bold = o.value(QLatin1String("bold")).toBool(font.bold);
    font.italic = o.value(QLatin1String("italic")).toBool(font.italic);
    font.underline = o.value(QLatin1String("underline")).toBool(font.underline);
    font.strikeOut = o.value(QLatin1String("strikeOut")).toBool(font.strikeOut);
    font.color = colorFrom(o.value(QLatin1String("color")), font.color);
    return font;
}

QImage imageFrom(const QJsonValue& value) {
    const QByteArray png = QByteArray::fromBase64(value.toString().toLatin1());
    QImage image;
    if (!png.isEmpty())
        image.loadFromData(png, "PNG");
    return image;
}

QString imageText(const QImage& image) {
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

Element elementFrom(const QJsonObject& o, const Font& reportFont) {
    Element e;
    e.name = o.value(QLatin1String("name")).toString();
    if (e.name.isEmpty())
        throw Damaged(QStringLiteral("élément sans nom"));
    e.kind = kindFromName(o.value(QLatin1String("kind")).toString(), e.name);
    e.left = o.value(QLatin1String("left")).toDouble();
    e.top = o.value(QLatin1String("top")).toDouble();
    e.width = o.value(QLatin1String("width")).toDouble();
    e.height = o.value(QLatin1String("height")).toDouble();
    e.font = fontFrom(o.value(QLatin1String("font")), reportFont);
    e.justify = justifyFromName(o.value(QLatin1String("justify")).toString());
    e.text = o.value(QLatin1String("text")).toString();
    e.color = colorFrom(o.value(QLatin1String("color")), Qt::black);
    e.fill = colorFrom(o.value(QLatin1String("fill")), QColor());
    e.lineWidth = o.value(QLatin1String("lineWidth")).toDouble(0.75);
    e.image = imageFrom(o.value(QLatin1String("image")));
    return e;
}

Report reportFrom(const QJsonObject& o) {
    Report report;
    report.name = o.value(QLatin1String("name")).toString();
    if (report.name.isEmpty())
        throw Damaged(QStringLiteral("rapport sans nom"));
    const QJsonObject paper = o.value(QLatin1String("paper")).toObject();
    report.paperWidth = paper.value(QLatin1String("width")).toDouble(report.paperWidth);
    report.paperHeight = paper.value(QLatin1String("height")).toDouble(report.paperHeight);
    report.defaultFont = fontFrom(o.value(QLatin1String("font")), Font());
    report.title = o.value(QLatin1String("title")).toString();
    report.creator = o.value(QLatin1String("creator")).toString();
    const QJsonArray pages = o.value(QLatin1String("pages")).toArray();
    if (pages.isEmpty())
        throw Damaged(QStringLiteral("le rapport « %1 » n'a aucune page").arg(report.name));
    QSet<QString> names;
    for (const QJsonValue& p : pages) {
        Page page;
        page.name = p.toObject().value(QLatin1String("name")).toString();
        for (const QJsonValue& e : p.toObject().value(QLatin1String("elements")).toArray()) {
            page.elements.push_back(elementFrom(e.toObject(), report.defaultFont));
            // Elements are found by name: two of one name would leave one unreachable.
            const QString& name = page.elements.back().name;
            if (names.contains(name))
                throw Damaged(QStringLiteral("l'élément « %1 » figure deux fois").arg(name));
            names.insert(name);
        }
        report.pages.push_back(std::move(page));
    }
    report.reindexNames();
    return report;
}

// The text of the page file, written straight into bytes: a filled report holds a few
// hundred elements, and building a JSON object tree for them costs more than the rest
// of the export together.
class JsonWriter {
public:
    QByteArray bytes;

    JsonWriter& raw(const char* text) {
        bytes.append(text);
        return *this;
    }
    JsonWriter& key(const char* name) {
        if (needsComma_)
            bytes.append(',');
        bytes.append('"').append(name).append("\":");
        needsComma_ = false;
        return *this;
    }
    JsonWriter& open(char bracket) {
        bytes.append(bracket);
        needsComma_ = false;
        return *this;
    }
    JsonWriter& close(char bracket) {
        bytes.append(bracket);
        needsComma_ = true;
        return *this;
    }
    JsonWriter& item() {
        if (needsComma_)
            bytes.append(',');
        needsComma_ = false;
        return *this;
    }
    JsonWriter& value(const QString& text) {
        bytes.append('"');
        for (const char c : text.toUtf8()) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                bytes.append('\\').append(c);
            } else if (u < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(u));
                bytes.append(escaped);
            } else {
                bytes.append(c);
            }
        }
        bytes.append('"');
        needsComma_ = true;
        return *this;
    }
    JsonWriter& value(double number) {
        bytes.append(std::isfinite(number)
                         ? QByteArray::number(number, 'g', QLocale::FloatingPointShortest)
                         : QByteArray("0"));
        needsComma_ = true;
        return *this;
    }
    JsonWriter& value(bool flag) {
        bytes.append(flag ? "true" : "false");
        needsComma_ = true;
        return *this;
    }

private:
    bool needsComma_ = false;
};

void writeFont(JsonWriter& w, const Font& font) {
    w.open('{');
    w.key("family").value(font.family).key("size").value(font.size).key("bold").value(font.bold);
    w.key("italic")
        .value(font.italic)
        .key("underline")
        .value(font.underline)
        .key("strikeOut")
        .value(font.strikeOut);
    w.key("color").value(colorText(font.color));
    w.close('}');
}

void writeElement(JsonWriter& w, const Element& e) {
    w.item().open('{');
    w.key("name").value(e.name).key("kind").value(kindName(e.kind));
    w.key("left")
        .value(e.left)
        .key("top")
        .value(e.top)
        .key("width")
        .value(e.width)
        .key("height")
        .value(e.height);
    w.key("font");
    writeFont(w, e.font);
    w.key("justify").value(justifyName(e.justify)).key("text").value(e.text);
    w.key("color")
        .value(colorText(e.color))
        .key("fill")
        .value(colorText(e.fill))
        .key("lineWidth")
        .value(e.lineWidth);
    if (!e.image.isNull())
        w.key("image").value(imageText(e.image));
    w.close('}');
}

void writeReport(JsonWriter& w, const Report& report) {
    w.item().open('{');
    w.key("name").value(report.name);
    w.key("paper")
        .open('{')
        .key("width")
        .value(report.paperWidth)
        .key("height")
        .value(report.paperHeight)
        .close('}');
    w.key("font");
    writeFont(w, report.defaultFont);
    w.key("title").value(report.title).key("creator").value(report.creator);
    w.key("pages").open('[');
    for (const Page& page : report.pages) {
        w.item().open('{').key("name").value(page.name).key("elements").open('[');
        for (const Element& e : page.elements)
            writeElement(w, e);
        w.close(']').close('}');
    }
    w.close(']').close('}');
}

std::deque<Report> reportsFrom(const QByteArray& bytes) {
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError)
        throw Damaged(
            QStringLiteral("%1 (position %2)").arg(parsed.errorString()).arg(parsed.offset));
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != formatTag)
        throw Damaged(QStringLiteral("format inconnu"));
    std::deque<Report> reports;
    for (const QJsonValue& r : root.value(QLatin1String("reports")).toArray())
        reports.push_back(reportFrom(r.toObject()));
    if (reports.empty())
        throw Damaged(QStringLiteral("aucun rapport"));
    return reports;
}

QByteArray readWhole(const QString& path, const QString& unreadableMessage) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(
            unreadableMessage.arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ReportError(
            unreadableMessage.arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

} // namespace

ReportError::ReportError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

QString kindName(Kind kind) {
    for (const KindName& k : kindNames)
        if (k.kind == kind)
            return QString::fromLatin1(k.name);
    return {};
}

void Element::setFontStyle(bool bold, bool italic, bool underline, bool strikeOut) {
    font.bold = bold;
    font.italic = italic;
    font.underline = underline;
    font.strikeOut = strikeOut;
}

void Element::copyPropertiesFrom(const Element& other) {
    const QString own = name;
    *this = other;
    name = own;
}

Element* Page::find(const QString& shortName) {
    for (Element& e : elements)
        if (e.name == shortName)
            return &e;
    return nullptr;
}

const Element* Page::find(const QString& shortName) const {
    for (const Element& e : elements)
        if (e.name == shortName)
            return &e;
    return nullptr;
}

Page* Report::page(const QString& pageName) {
    for (Page& p : pages)
        if (p.name == pageName)
            return &p;
    return nullptr;
}

Page& Report::addPageAfter(const Page& previous, const QString& pageName) {
    auto at = pages.begin();
    while (at != pages.end() && &*at != &previous)
        ++at;
    if (at != pages.end())
        ++at;
    Page page;
    page.name = pageName;
    return *pages.insert(at, std::move(page));
}

Element& Report::create(Page& page, Kind kind, const QString& requestedName, double left,
                        double top, double width, double height) {
    QString name = requestedName;
    if (names_.contains(name)) {
        // Rows request the same names again and again: counting on from the last number
        // given keeps this quick for long documents.
        int& number = nextNumber_[requestedName];
        do
            name = requestedName + QString::number(++number);
        while (names_.contains(name));
    }
    names_.insert(name);
    Element e;
    e.name = name;
    e.kind = kind;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.font = defaultFont;
    page.elements.push_back(std::move(e));
    return page.elements.back();
}

void Report::reindexNames() {
    names_.clear();
    nextNumber_.clear();
    for (const Page& p : pages)
        for (const Element& e : p.elements)
            names_.insert(e.name);
}

ReportProject ReportProject::load(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path))
        throw ReportError(messages::templateMissing.arg(shown));
    const QByteArray bytes = readWhole(path, messages::templateUnreadable);
    ReportProject project;
    project.path_ = path;
    try {
        project.reports_ = reportsFrom(bytes);
    } catch (const Damaged& damaged) {
        throw ReportError(messages::templateDamaged.arg(shown, damaged.reason));
    }
    return project;
}

Report& ReportProject::select(const QString& reportName) {
    for (Report& r : reports_)
        if (r.name == reportName)
            return r;
    throw ReportError(messages::reportMissing.arg(QDir::toNativeSeparators(path_), reportName));
}

Page& ReportProject::findPage(const QString& fullName) {
    const qsizetype dot = fullName.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        for (Report& r : reports_)
            if (r.name == fullName.left(dot))
                if (Page* p = r.page(fullName.mid(dot + 1)))
                    return *p;
    }
    throw ReportError(messages::pageMissing.arg(QDir::toNativeSeparators(path_), fullName));
}

Element& ReportProject::element(Page& page, const QString& shortName, Kind kind) {
    Element* e = page.find(shortName);
    if (!e)
        throw ReportError(messages::elementMissing.arg(QDir::toNativeSeparators(path_), shortName));
    if (e->kind != kind)
        throw ReportError(messages::elementWrongKind.arg(QDir::toNativeSeparators(path_), shortName,
                                                         kindName(kind)));
    return *e;
}

QByteArray reportToJson(const Report& report) {
    JsonWriter w;
    w.open('{').key("format").value(formatTag).key("reports").open('[');
    writeReport(w, report);
    w.close(']').close('}');
    return w.bytes;
}

void writePageFile(const Report& report, const QString& path) {
    // A scratch file read back at once: written in place, without the flush to disk a
    // document the user keeps deserves.
    QFile file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ReportError(messages::pageFileUnwritable.arg(shown, file.errorString()));
    const QByteArray bytes = reportToJson(report);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw ReportError(messages::pageFileUnwritable.arg(shown, file.errorString()));
}

Report readPageFile(const QString& path) {
    const QByteArray bytes = readWhole(path, messages::pageFileUnreadable);
    try {
        return std::move(reportsFrom(bytes).front());
    } catch (const Damaged& damaged) {
        throw ReportError(
            messages::pageFileUnreadable.arg(QDir::toNativeSeparators(path), damaged.reason));
    }
}

} // namespace vantrel::report
