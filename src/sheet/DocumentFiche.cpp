#include "DocumentFiche.h"

#include <QBuffer>
#include <QFileDevice>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QUrl>
#include <QVector>

namespace {

QImage imageDu(QTextDocument& document, const QString& nom)
{
    const QVariant r = document.resource(QTextDocument::ImageResource, QUrl(nom));
    if (r.userType() == QMetaType::QImage)
        return r.value<QImage>();
    if (r.userType() == QMetaType::QPixmap)
        return r.value<QPixmap>().toImage();
    return QImage::fromData(r.toByteArray());
}

bool ecritureReussie(const QIODevice& sortie)
{
    const auto* fichier = qobject_cast<const QFileDevice*>(&sortie);
    return !fichier || fichier->error() == QFileDevice::NoError;
}

} // namespace

void ChargeDocument(QTextDocument& document, const QString& html)
{
    document.setHtml(html);
    struct Image
    {
        int debut, longueur;
        QTextImageFormat format;
    };
    QVector<Image> aCorriger;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment morceau = it.fragment();
            const QTextImageFormat f = morceau.charFormat().toImageFormat();
            if (f.isValid() && f.hasProperty(QTextFormat::ImageWidth) && !f.hasProperty(QTextFormat::ImageHeight))
                aCorriger.append({morceau.position(), morceau.length(), f});
        }
    for (Image& i : aCorriger) {
        const QImage image = imageDu(document, i.format.name());
        if (image.isNull() || image.width() == 0)
            continue;
        i.format.setHeight(i.format.width() * image.height() / image.width());
        QTextCursor curseur(&document);
        curseur.setPosition(i.debut);
        curseur.setPosition(i.debut + i.longueur, QTextCursor::KeepAnchor);
        curseur.setCharFormat(i.format);
    }
}

bool EcritPdf(const QString& html, const QString& titre, QIODevice& sortie)
{
    QTextDocument document;
    ChargeDocument(document, html);
    QPdfWriter pdf(&sortie);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    // Marges de 2 cm et numéros de page : ceux que pose l'impression d'un document sans pages.
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(titre);
    pdf.setCreator(QStringLiteral("Quorvane"));
    // Le texte reste vectoriel ; 300 points par pouce mettent la fiche en page trois fois plus vite
    // que les 1200 par défaut, sans perte visible.
    pdf.setResolution(300);
    document.print(&pdf);
    return ecritureReussie(sortie);
}

bool EcritOdt(const QString& html, QIODevice& sortie)
{
    QTextDocument document;
    ChargeDocument(document, html);
    // L'écrivain ferme son appareil à la fin : il écrit en mémoire, le fichier reçoit le tout.
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&tampon, QByteArrayLiteral("odf"));
    if (!writer.write(&document))
        return false;
    return sortie.write(tampon.data()) == tampon.data().size() && ecritureReussie(sortie);
}
