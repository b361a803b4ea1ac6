#include "PdfOutline.h"

#include <QDateTime>
#include <QRegularExpression>

namespace zarvex1::manual {

namespace {

struct Trailer {
    int size = 0;
    int root = 0;
    int info = 0;
    qint64 startXref = 0;
};

int Reference(const QString &dictionary, const QString &key) {
    const auto match =
        QRegularExpression(QStringLiteral("/%1\\s+(\\d+)\\s+0\\s+R").arg(key)).match(dictionary);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

std::optional<Trailer> ReadTrailer(const QByteArray &pdf) {
    const qsizetype at = pdf.lastIndexOf("trailer");
    if (at < 0)
        return std::nullopt;
    const QString tail = QString::fromLatin1(pdf.mid(at));
    Trailer t;
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(tail);
    const auto start = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(tail);
    t.root = Reference(tail, QStringLiteral("Root"));
    t.info = Reference(tail, QStringLiteral("Info"));
    if (!size.hasMatch() || !start.hasMatch() || t.root == 0)
        return std::nullopt;
    t.size = size.captured(1).toInt();
    t.startXref = start.captured(1).toLongLong();
    return t;
}

// The dictionary of object `number`, without its "<<" and ">>".
std::optional<QByteArray> ObjectDictionary(const QByteArray &pdf, int number) {
    const QByteArray head = "\n" + QByteArray::number(number) + " 0 obj";
    const qsizetype at = pdf.indexOf(head);
    if (at < 0)
        return std::nullopt;
    const qsizetype open = pdf.indexOf("<<", at);
    const qsizetype end = pdf.indexOf("endobj", at);
    const qsizetype close = pdf.lastIndexOf(">>", end);
    if (open < 0 || end < 0 || close < open)
        return std::nullopt;
    return pdf.mid(open + 2, close - open - 2);
}

// A text string in UTF-16 with its byte-order mark, as hex.
QByteArray TextString(const QString &text) {
    QByteArray hex = "<FEFF";
    for (QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + ">";
}

bool SetCreationDate(QByteArray &pdf, qint64 epoch) {
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    if (at < 0)
        return false;
    const QByteArray date =
        QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    // The same length in the same place: the cross-reference table stays right.
    if (pdf.mid(at + key.size() + date.size(), 2) != "Z)")
        return false;
    pdf.replace(at + key.size(), date.size(), date);
    return true;
}

struct Node {
    int object = 0;
    int parent = 0;
    int prev = 0;
    int next = 0;
    std::vector<int> children; // indices into the nodes
};

} // namespace

bool FinishPdf(QByteArray &pdf, const std::vector<OutlineItem> &outline, std::optional<qint64> epoch,
               QString *error) {
    const auto fail = [&](const char *why) {
        if (error)
            *error = QString::fromLatin1(why);
        return false;
    };
    if (epoch && !SetCreationDate(pdf, *epoch))
        return fail("no creation date to set");
    if (outline.empty())
        return true;
    const auto trailer = ReadTrailer(pdf);
    if (!trailer)
        return fail("no trailer");
    const auto catalog = ObjectDictionary(pdf, trailer->root);
    if (!catalog)
        return fail("no catalogue");
    const auto pagesDictionary = ObjectDictionary(pdf, Reference(QString::fromLatin1(*catalog), "Pages"));
    if (!pagesDictionary)
        return fail("no page tree");
    std::vector<int> pages;
    const QString kids = QString::fromLatin1(*pagesDictionary);
    const qsizetype open = kids.indexOf(QLatin1Char('[')), close = kids.indexOf(QLatin1Char(']'));
    auto refs =
        QRegularExpression(QStringLiteral("(\\d+)\\s+0\\s+R")).globalMatch(kids.mid(open, close - open));
    while (refs.hasNext())
        pages.push_back(refs.next().captured(1).toInt());

    // The outline's objects follow the file's last one: the root, then the items in reading order.
    const int root = trailer->size;
    std::vector<Node> nodes(outline.size());
    std::vector<int> top;
    int chapter = -1;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        if (outline[i].page < 0 || outline[i].page >= static_cast<int>(pages.size()))
            return fail("a heading on a page the file does not have");
        nodes[i].object = root + 1 + static_cast<int>(i);
        std::vector<int> &siblings =
            outline[i].level > 1 && chapter >= 0 ? nodes[static_cast<std::size_t>(chapter)].children : top;
        nodes[i].parent = &siblings == &top ? root : nodes[static_cast<std::size_t>(chapter)].object;
        if (!siblings.empty()) {
            Node &before = nodes[static_cast<std::size_t>(siblings.back())];
            before.next = nodes[i].object;
            nodes[i].prev = before.object;
        }
        siblings.push_back(static_cast<int>(i));
        if (outline[i].level <= 1)
            chapter = static_cast<int>(i);
    }

    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    std::vector<std::pair<int, qint64>> offsets;
    const auto object = [&](int number, const QByteArray &body) {
        offsets.emplace_back(number, pdf.size() + update.size());
        update += QByteArray::number(number) + " 0 obj\n<<\n" + body + ">>\nendobj\n";
    };
    const auto ref = [](int number) { return QByteArray::number(number) + " 0 R"; };
    object(trailer->root, *catalog + "/Outlines " + ref(root) + "\n/PageMode /UseOutlines\n");
    object(root, "/Type /Outlines\n/First " + ref(nodes[static_cast<std::size_t>(top.front())].object) +
                     "\n/Last " + ref(nodes[static_cast<std::size_t>(top.back())].object) + "\n/Count " +
                     QByteArray::number(top.size()) + "\n");
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Node &n = nodes[i];
        QByteArray body = "/Title " + TextString(outline[i].title) + "\n/Parent " + ref(n.parent) + "\n";
        if (n.prev)
            body += "/Prev " + ref(n.prev) + "\n";
        if (n.next)
            body += "/Next " + ref(n.next) + "\n";
        if (!n.children.empty()) // a chapter's sections are shown when it is opened
            body += "/First " + ref(nodes[static_cast<std::size_t>(n.children.front())].object) + "\n/Last " +
                    ref(nodes[static_cast<std::size_t>(n.children.back())].object) + "\n/Count -" +
                    QByteArray::number(n.children.size()) + "\n";
        body += "/Dest [" + ref(pages[static_cast<std::size_t>(outline[i].page)]) + " /XYZ null " +
                QByteArray::number(outline[i].top, 'f', 1) + " null]\n";
        object(n.object, body);
    }

    const qint64 xref = pdf.size() + update.size();
    update += "xref\n0 1\n0000000000 65535 f \n";
    update += QByteArray::number(trailer->root) + " 1\n" +
              QByteArray::number(offsets.front().second).rightJustified(10, '0') + " 00000 n \n";
    update += QByteArray::number(root) + " " + QByteArray::number(offsets.size() - 1) + "\n";
    for (std::size_t i = 1; i < offsets.size(); ++i)
        update += QByteArray::number(offsets[i].second).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + QByteArray::number(root + 1 + static_cast<int>(outline.size())) +
              "\n/Root " + ref(trailer->root) + "\n";
    if (trailer->info)
        update += "/Info " + ref(trailer->info) + "\n";
    update += "/Prev " + QByteArray::number(trailer->startXref) + "\n>>\nstartxref\n" +
              QByteArray::number(xref) + "\n%%EOF\n";
    pdf += update;
    return true;
}

} // namespace zarvex1::manual
