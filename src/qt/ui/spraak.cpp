// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/ui/spraak.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>

#include "core/tekst/katalog.h"
#include "core/tekst/spraak.h"

namespace balvo::ui {
namespace {

// The core's texts answered by the translators Qt has installed.
class Qtkatalog final : public Katalog {
public:
    std::string oversett(const Tekst& t) const override {
        if (!t.kilde) return {};
        return QCoreApplication::translate(t.kontekst, t.kilde).toStdString();
    }
};
const Qtkatalog qtkatalog;

constexpr char spraaknokkel[] = "spraak";

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

Spraak::Spraak(QObject* eier) : QObject(eier), kode_(bokmaal), mapper_(oversettelsesmapper()) {
    installerkatalog(&qtkatalog);
}

Spraak::~Spraak() {
    installerkatalog(nullptr);
    // Made by the application, it usually goes with it; the translators then go untold.
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&egen_);
        QCoreApplication::removeTranslator(&qt_);
    }
}

bool Spraak::lastegen(std::string_view kode) {
    const QString navn = QStringLiteral("balvo_") + qs(kode);
    for (const QString& mappe : mapper_)
        // A file that loads but holds nothing is as good as broken.
        if (egen_.load(navn, mappe) && !egen_.isEmpty()) return true;
    return false;
}

bool Spraak::lastqt(std::string_view kode) {
    // English is Qt's own. Debian ships no Bokmål translation of Qt's dialogs, only Nynorsk,
    // which Bokmål has always fallen back on.
    const QString mappe = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const auto navn = kode == "nn" ? QStringList{QStringLiteral("qtbase_nn")}
                      : kode == bokmaal
                          ? QStringList{QStringLiteral("qtbase_nb"), QStringLiteral("qtbase_no"),
                                        QStringLiteral("qtbase_nn")}
                          : QStringList{};
    for (const QString& n : navn)
        if (qt_.load(n, mappe)) return true;
    return false;
}

std::string_view Spraak::bytt(std::string_view kode) {
    kode = kjent_spraak(kode);
    QCoreApplication::removeTranslator(&egen_);
    QCoreApplication::removeTranslator(&qt_);
    // Bokmål is the source: it needs no file of its own and is what a failed load leaves.
    kode_ = kode != bokmaal && lastegen(kode) ? kode : bokmaal;
    if (kode_ != bokmaal) QCoreApplication::installTranslator(&egen_);
    if (lastqt(kode_)) QCoreApplication::installTranslator(&qt_);
    // Qt posts the change to every window; they all answer before the pupil sees anything.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return kode_;
}

Spraak& spraak() {
    static QPointer<Spraak> den;
    if (!den) den = new Spraak(QCoreApplication::instance());
    return *den;
}

QStringList oversettelsesmapper() {
    QStringList mapper;
    if (QCoreApplication::instance())
        mapper << QDir(QCoreApplication::applicationDirPath())
                      .filePath(QStringLiteral(BALVO_OVERSETTELSER_INSTALLERT));
    mapper << QStringLiteral(":/oversettelser");
    return mapper;
}

std::unique_ptr<QSettings> innstillinger() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("balvo"), QStringLiteral("balvo"));
}

std::string_view startspraak(const QSettings& innstillinger, const QString& systemlokale) {
    const QVariant valgt = innstillinger.value(QLatin1String(spraaknokkel));
    if (valgt.isValid()) return kjent_spraak(valgt.toString().toStdString());
    return spraak_fra_lokale(systemlokale.toStdString());
}

QString systemlokale() {
    // The language of messages (LANGUAGE, LC_MESSAGES, LANG), not of numbers.
    const QLocale system = QLocale::system();
    const QStringList spraak = system.uiLanguages();
    return spraak.isEmpty() ? system.name() : spraak.first();
}

void huskspraak(QSettings& innstillinger, std::string_view kode) {
    innstillinger.setValue(QLatin1String(spraaknokkel), qs(kjent_spraak(kode)));
    innstillinger.sync();
}

}  // namespace balvo::ui
