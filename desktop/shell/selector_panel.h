#pragma once

#include <QWidget>

#include "core/catalog/records.h"

class QComboBox;
class QListWidget;

namespace vantrell::shell {

// The realm and class selector at the main window's left edge.
class SelectorPanel : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectorPanel)

public:
    explicit SelectorPanel(QWidget* parent = nullptr);
    ~SelectorPanel() override = default;

    // Shows `definition`'s realm and class as chosen, without choosing it again.
    void Show(const catalog::ClassDefinition& definition);

signals:
    void classChosen(const vantrell::catalog::ClassDefinition& definition);
    void aboutRequested();
    // The user chose to see every window in the language of `code`.
    void languageChosen(const QString& code);

private:
    void OnRealmChosen();
    void FillClasses(catalog::Realm realm);
    void OnClassChosen();
    void AddLanguageChoice();

    QComboBox* realms_ = nullptr;
    QListWidget* classes_ = nullptr;
};

}  // namespace vantrell::shell
