#include "gui/widgets/RadioBox.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gorlin {

QGroupBox* RadioBox(QWidget* parent, const char* name, const QString& title, const QStringList& captions,
                    QButtonGroup*& group, bool stretch, const QStringList& names) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], box);
        button->setObjectName(i < names.size() ? names[i] : QString::fromLatin1(name) + QString::number(i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    if (!captions.isEmpty())
        group->button(0)->setChecked(true);
    if (stretch)
        layout->addStretch(1);
    return box;
}

} // namespace gorlin
