#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <deque>
#include <stdexcept>

namespace vantrel::report {

// A template that cannot be loaded or filled, or an output that cannot be written.
// The message names the file or the element concerned.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message);
    QString message() const { return message_; }

private:
    QString message_;
};

// text: one line, cut at its width; memo: several lines, wrapped at its width;
// line: a rule from (left, top) over its width, or down its height when it has no
// width; bitmap: a picture stretched over its box; rect: a frame or a shaded band.
enum class Kind { Text, Memo, Line, Bitmap, Rect };
enum class Justify { Left, Center, Right };

QString kindName(Kind kind);

struct Font {
    QString family = QStringLiteral("Liberation Sans");
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;
    friend bool operator==(const Font&, const Font&) = default;
};

// One element of a page. Positions and sizes are in inches from the page's top-left
// corner.
struct Element {
    QString name;
    Kind kind = Kind::Text;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    Font font;
    Justify justify = Justify::Left;
    QString text;
    QColor color = Qt::black; // the pen of lines and frames
    QColor fill;              // the inside of a rect; invalid: not filled
    double lineWidth = 0.75;  // points; 0 draws no frame around a rect
    QImage image;             // the picture of a bitmap

    void setFontStyle(bool bold, bool italic, bool underline, bool strikeOut);
    // Every property of `other` but the name: the copy is the same element under its
    // own name.
    void copyPropertiesFrom(const Element& other);
};

// Elements are kept in a deque, so that references to them stay valid while others
// are created.
struct Page {
    QString name;
    std::deque<Element> elements;

    Element* find(const QString& shortName);
    const Element* find(const QString& shortName) const;
};

// A report: its paper and its pages, printed in order.
class Report {
public:
    QString name;
    double paperWidth = 8.2677; // A4 portrait
    double paperHeight = 11.6929;
    Font defaultFont;
    QString title;   // the document information of the PDF
    QString creator; // likewise
    std::deque<Page> pages;

    Page* page(const QString& pageName);
    // A new page named `pageName`, printed right after `previous`.
    Page& addPageAfter(const Page& previous, const QString& pageName);
    // A new element on `page`. The requested name is kept when no element of the report
    // has it yet, otherwise the first free name made of it and a number (itemcodex,
    // itemcodex1, itemcodex2 ...).
    Element& create(Page& page, Kind kind, const QString& requestedName, double left, double top,
                    double width, double height);
    bool nameTaken(const QString& name) const { return names_.contains(name); }
    // After elements were added or renamed by hand.
    void reindexNames();

private:
    QSet<QString> names_;
    QHash<QString, int> nextNumber_;
};

// A loaded template file: one or more reports.
class ReportProject {
public:
    // Reads the template at `path`. Throws ReportError naming the file when it is
    // missing, unreadable or not a report template.
    static ReportProject load(const QString& path);

    QString path() const { return path_; }
    std::deque<Report>& reports() { return reports_; }

    // The report of that name; throws when the template has none.
    Report& select(const QString& reportName);
    // A page by its full name, "Report1.Page1".
    Page& findPage(const QString& fullName);
    // An element by its short name on `page`, of the kind the caller needs; a missing
    // element, or one of another kind, throws ReportError naming the element and the
    // template file.
    Element& element(Page& page, const QString& shortName, Kind kind);

private:
    QString path_;
    std::deque<Report> reports_;
};

// The page file: the report with every element written out in full (fonts resolved,
// pictures included), as the painting reads it back.
void writePageFile(const Report& report, const QString& path);
Report readPageFile(const QString& path);

// The text form of both files, for tests and for the page file.
QByteArray reportToJson(const Report& report);

} // namespace vantrel::report
