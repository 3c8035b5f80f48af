#include "ui_language.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

const char kEnvironmentVariable[] = "ORVOCHECK_LANGUAGE";

// The translators installed last, owned by the application object.
QPointer<QTranslator> g_Program;
QString g_Language = QStringLiteral("en");
QPointer<QTranslator> g_Toolkit;

void removeInstalled() {
    for (QPointer<QTranslator>* installed : {&g_Program, &g_Toolkit}) {
        if (*installed) {
            QCoreApplication::removeTranslator(*installed);
            delete installed->data();
        }
    }
}

QTranslator* load(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) return translator;
    delete translator;
    return nullptr;
}

}  // namespace

// The .qm files are resources of this static library; naming their
// initialiser keeps the linker from dropping them.
static void registerTranslationResources() { Q_INIT_RESOURCE(translations); }

QStringList shippedLanguages() {
    registerTranslationResources();
    QStringList codes;
    const QString prefix = QStringLiteral("orvocheck_"), suffix = QStringLiteral(".qm");
    for (const QString& file : QDir(QStringLiteral(":/translations"))
                                   .entryList({prefix + '*' + suffix}, QDir::Files, QDir::Name))
        codes << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
    return codes;
}

QString shippedLanguageFor(const QString& tag) {
    const QLocale locale(tag.trimmed());
    switch (locale.language()) {
        case QLocale::C:
            return QString();  // not a language the toolkit knows
        case QLocale::English:
            return QStringLiteral("en");
        // One Portuguese and two Chinese translations: the Portuguese serves
        // every country, the script decides the Chinese.
        case QLocale::Portuguese:
            return QStringLiteral("pt_BR");
        case QLocale::Chinese:
            return locale.script() == QLocale::TraditionalChineseScript ? QStringLiteral("zh_TW")
                                                                        : QStringLiteral("zh_CN");
        default:
            break;
    }
    const QString language = locale.name().section(QLatin1Char('_'), 0, 0);
    return shippedLanguages().contains(language) ? language : QString();
}

QString installTranslations(const QString& request) {
    QString source;
    QStringList tags;
    if (!request.isEmpty()) {
        source = QStringLiteral("--language");
        tags << request;
    } else if (!qEnvironmentVariableIsEmpty(kEnvironmentVariable)) {
        source = QString::fromLatin1(kEnvironmentVariable);
        tags << qEnvironmentVariable(kEnvironmentVariable);
    } else {
        source = QStringLiteral("system");
        tags = QLocale::system().uiLanguages();
    }
    QString language;
    for (const QString& tag : tags) {
        language = shippedLanguageFor(tag);
        if (!language.isEmpty()) break;
    }

    registerTranslationResources();
    removeInstalled();
    QString outcome;
    if (language.isEmpty()) {
        outcome = QStringLiteral("; no translation for it, English instead");
        language = QStringLiteral("en");
    } else if (language != QLatin1String("en")) {
        g_Program = load(QStringLiteral("orvocheck_") + language, QStringLiteral(":/translations"));
        if (g_Program) {
            QCoreApplication::installTranslator(g_Program);
            // The toolkit's own texts (accessible actions, the report's
            // --help) where its translations are installed; the program's
            // texts do not depend on them.
            const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
            g_Toolkit = load(QStringLiteral("qtbase_") + language, folder);
            if (g_Toolkit)
                QCoreApplication::installTranslator(g_Toolkit);
            else
                outcome = QStringLiteral("; no toolkit translation in ") + folder;
        } else {
            outcome = QStringLiteral("; its translation did not load, English instead");
            language = QStringLiteral("en");
        }
    }
    qDebug().noquote() << QStringLiteral("[Language] %1 (%2: %3%4)")
                              .arg(language, source, tags.join(QStringLiteral(", ")), outcome);
    g_Language = language;
    return language;
}

QString installedLanguage() { return g_Language; }
