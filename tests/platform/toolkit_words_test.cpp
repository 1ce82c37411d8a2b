// The toolkit's own words reach the user in the program's language.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

std::string text(QAbstractButton* b) { return b ? b->text().toStdString() : "(none)"; }

TEST(ToolkitWords, QuestionAndMessageButtons) {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(text(box.button(QMessageBox::Yes)), "&Да");
    EXPECT_EQ(text(box.button(QMessageBox::No)), "&Не");
    EXPECT_EQ(text(box.button(QMessageBox::Ok)), "Во ред");
    EXPECT_EQ(text(box.button(QMessageBox::Cancel)), "Откажи");
}

TEST(ToolkitWords, FileDialogLabels) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn).toStdString(), "Барај во:");
    EXPECT_EQ(dialog.labelText(QFileDialog::FileName).toStdString(), "&Име на фајлот:");
    EXPECT_EQ(dialog.labelText(QFileDialog::FileType).toStdString(), "Вид на фајлови:");
    EXPECT_EQ(dialog.labelText(QFileDialog::Accept).toStdString(), "&Сочувај");
    EXPECT_EQ(dialog.labelText(QFileDialog::Reject).toStdString(), "Откажи");
}

// Every text the folder dialog shows, its context menu and tooltips included,
// is in the program's language: none holds a Latin letter. The folder path
// in its "look in" box is the user's own.
TEST(ToolkitWords, FolderDialogShowsNoEnglish) {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    std::vector<QString> texts;
    for (const QLabel* l : dialog.findChildren<QLabel*>()) texts.push_back(l->text());
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
        texts.push_back(b->text());
        texts.push_back(b->toolTip());
    }
    for (const QComboBox* c : dialog.findChildren<QComboBox*>())
        if (c->objectName() != "lookInCombo")
            for (int i = 0; i < c->count(); ++i) texts.push_back(c->itemText(i));
    for (const QAction* a : dialog.findChildren<QAction*>()) texts.push_back(a->text());
    for (const QHeaderView* h : dialog.findChildren<QHeaderView*>())
        for (int i = 0; i < h->count(); ++i) texts.push_back(h->model()->headerData(i, h->orientation()).toString());
    ASSERT_FALSE(texts.empty());
    for (const QString& t : texts)
        EXPECT_FALSE(t.contains(QRegularExpression("[A-Za-z]"))) << t.toStdString();
}

}  // namespace
