// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the program speaks: Balvo's own translation (translations/balvo_<kode>.ts,
// built into the program and installed beside it), Qt's translation of its own dialogs (file,
// print) and the core's catalogue. Switching takes effect at once: every window is told with a
// LanguageChange event and sets its texts again. Only the choice is remembered between runs.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <string_view>

class QSettings;

namespace balvo::ui {

class Spraak : public QObject {
    Q_OBJECT
public:
    explicit Spraak(QObject* eier = nullptr);
    ~Spraak() override;

    // Speaks `kode` ("nb", "nn", "en") from now on and has every window set its texts again
    // before it returns. An unknown code, or a translation that is missing or cannot be read,
    // gives Bokmål without a word: the program always starts. Returns the code now spoken.
    std::string_view bytt(std::string_view kode);
    std::string_view kode() const { return kode_; }

    // Where balvo_<kode>.qm is looked for, the first that loads wins (tests point it
    // elsewhere).
    void settmapper(const QStringList& mapper) { mapper_ = mapper; }
    const QStringList& mapper() const { return mapper_; }

private:
    bool lastegen(std::string_view kode);
    bool lastqt(std::string_view kode);

    QTranslator egen_;
    QTranslator qt_;
    std::string_view kode_;
    QStringList mapper_;
};

// The program's one Spraak, made on first use and owned by the application object.
Spraak& spraak();

// The folders of the translations: the one installed beside the program
// (<prefix>/share/balvo/translations), then the copy built into it.
QStringList oversettelsesmapper();

// The settings of the program (~/.config/balvo/balvo.conf): the language only.
std::unique_ptr<QSettings> innstillinger();
// The language to start in: the one remembered, or from the system locale when none is
// (nn → Nynorsk, nb and no → Bokmål, en → English, anything else → Bokmål). A remembered
// value the program does not know is Bokmål.
std::string_view startspraak(const QSettings& innstillinger, const QString& systemlokale);
// The system's language for messages, as "nn-NO", "en-GB", "C".
QString systemlokale();
// Remembers the pupil's choice for the next run.
void huskspraak(QSettings& innstillinger, std::string_view kode);

}  // namespace balvo::ui
