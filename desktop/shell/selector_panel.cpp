#include "desktop/shell/selector_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/catalog/class_catalog.h"
#include "core/texts/desktop_texts.h"
#include "core/texts/shell_texts.h"
#include "core/texts/translation.h"
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/labels.h"
#include "desktop/toolkit/qt_text.h"
#include "desktop/toolkit/twips.h"

namespace vantrell::shell {
namespace {

QLabel* AddHeading(QWidget* parent, const QString& text, const toolkit::TwipRect& rect) {
    return toolkit::AddLabel(parent, text, rect,
                             {.alignment = Qt::AlignCenter,
                              .font = toolkit::FontOf(toolkit::kSerifFaces, 12, {.bold = true}),
                              .colour = Qt::blue});
}

}  // namespace

SelectorPanel::SelectorPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("frmMain");
    setFont(toolkit::FontOf(toolkit::kSansFaces, 8.25));

    QLabel* realmHeading = AddHeading(this, toolkit::ToQString(texts::shell::kSelectRealm), {120, 0, 1365, 285});
    realms_ = new QComboBox(this);
    realms_->setObjectName("cboRealm");
    // Some screen readers take a combo box's name from the label it is the buddy of, others from its own.
    realmHeading->setBuddy(realms_);
    realms_->setAccessibleName(toolkit::ToQString(texts::shell::kSelectRealm));
    for (catalog::Realm realm : catalog::kRealms) realms_->addItem(toolkit::ToQString(catalog::RealmName(realm)));
    realms_->setCurrentIndex(-1);
    toolkit::PlaceInTwips(*realms_, {120, 360, 1335, 315});
    connect(realms_, &QComboBox::activated, this, &SelectorPanel::OnRealmChosen);

    AddHeading(this, toolkit::ToQString(texts::shell::kSelectClass), {180, 720, 1245, 285});
    classes_ = new QListWidget(this);
    classes_->setObjectName("lstClasses");
    classes_->setAccessibleName(toolkit::ToQString(texts::shell::kSelectClass));
    toolkit::PlaceInTwips(*classes_, {70, 1080, 1335, 2670});
    // A click on the entry already selected brings its window forward again.
    connect(classes_, &QListWidget::itemClicked, this, &SelectorPanel::OnClassChosen);
    connect(classes_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) OnClassChosen();
    });

    auto* about = new QPushButton(toolkit::ToQString(texts::desktop::kAboutButton), this);
    about->setObjectName("cmdAbout");
    toolkit::PlaceInTwips(*about, {240, 4200, 975, 375});
    connect(about, &QPushButton::clicked, this, &SelectorPanel::aboutRequested);
    AddLanguageChoice();
}

void SelectorPanel::AddLanguageChoice() {
    auto* languages = new QComboBox(this);
    languages->setObjectName("cboLanguage");
    const QString caption = toolkit::ToQString(texts::desktop::kLanguage);
    languages->setAccessibleName(caption);
    languages->setToolTip(caption);
    // Screen readers on Linux name a combo box by its label. The fixed layout has no room to show one; the
    // tooltip shows the same word.
    auto* label = new QLabel(caption, this);
    label->setBuddy(languages);
    label->hide();
    for (const texts::Language& language : texts::Languages()) {
        languages->addItem(QString::fromStdString(language.name), QString::fromStdString(language.code));
    }
    languages->setCurrentIndex(languages->findData(QString::fromStdString(std::string(texts::LanguageInUse()))));
    toolkit::PlaceInTwips(*languages, {120, 3810, 1335, 330});
    connect(languages, &QComboBox::activated, this, [this, languages] {
        const QString code = languages->currentData().toString();
        if (code.toStdString() != texts::LanguageInUse()) emit languageChosen(code);
    });
}

void SelectorPanel::OnRealmChosen() {
    if (const auto realm = catalog::RealmNamed(realms_->currentText().toStdString())) FillClasses(*realm);
}

void SelectorPanel::FillClasses(catalog::Realm realm) {
    const QSignalBlocker blocker(classes_);
    classes_->clear();
    for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::ClassesOf(realm)) {
        classes_->addItem(toolkit::ToQString(definition->listName));
    }
}

void SelectorPanel::Show(const catalog::ClassDefinition& definition) {
    const QString realm = toolkit::ToQString(catalog::RealmName(definition.realm));
    if (realms_->currentText() != realm) {
        realms_->setCurrentIndex(realms_->findText(realm));
        FillClasses(definition.realm);
    }
    const QList<QListWidgetItem*> found = classes_->findItems(toolkit::ToQString(definition.listName), Qt::MatchExactly);
    const QSignalBlocker blocker(classes_);
    classes_->setCurrentItem(found.isEmpty() ? nullptr : found.front());
}

void SelectorPanel::OnClassChosen() {
    const QListWidgetItem* item = classes_->currentItem();
    if (item == nullptr) return;
    if (const catalog::ClassDefinition* definition = catalog::ClassCatalog::Find(item->text().toStdString())) {
        emit classChosen(*definition);
    }
}

}  // namespace vantrell::shell
