#include "tests/support/JapaneseText.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>

using marlo::hasJapanese;

namespace {

struct CatalogueText {
    QString context;
    QString source;
    QString translation;
    QString state; // the translation's type: empty once finished
};

// The text of an element up to its end; lupdate writes a carriage return as <byte value="xd"/>.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    const QString name = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == u"byte") {
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        } else if (xml.isEndElement() && xml.name() == name) {
            break;
        }
    }
    return text;
}

QList<CatalogueText> readCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QXmlStreamReader xml(&file);
    QList<CatalogueText> texts;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = elementText(xml);
        } else if (xml.name() == u"message") {
            texts.append({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !texts.isEmpty()) {
            texts.last().source = elementText(xml);
        } else if (xml.name() == u"translation" && !texts.isEmpty()) {
            texts.last().state = xml.attributes().value(QLatin1String("type")).toString();
            texts.last().translation = elementText(xml);
        }
    }
    return xml.hasError() ? QList<CatalogueText>{} : texts;
}

// %1 to %99 in their order of number, each as often as the text has it.
QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9][0-9]?"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found << match.captured();
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    // Every text of the English catalogue is finished, in English, with the placeholders of its
    // source. That it holds every text of the sources is app_catalogue_current's check.
    void englishCatalogueIsComplete() {
        const QList<CatalogueText> texts = readCatalogue(QStringLiteral(MARLO_CATALOGUE));
        QVERIFY(texts.size() > 200);
        QStringList faults;
        for (const CatalogueText& text : texts) {
            const QString where = text.context + QStringLiteral(": ") + text.source;
            if (!text.state.isEmpty() || text.translation.isEmpty()) {
                faults << QStringLiteral("unfinished: ") + where;
            } else if (placeholders(text.source) != placeholders(text.translation)) {
                faults << QStringLiteral("placeholders differ: ") + where;
            } else if (hasJapanese(text.translation)) {
                faults << QStringLiteral("not English: ") + where;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
