// The toolkit's own words reach the user in the program's language.
#include <QFileDialog>
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

}  // namespace
