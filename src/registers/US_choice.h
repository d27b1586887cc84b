// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TForm5: the register chooser for public-benefit organisations (opp) and tax offices (us).
#include "foundation/RegisterIndex.h"

#include "ui/PictureDialog.h"
#include <QAbstractListModel>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QFrame;
class QSizeGrip;

namespace taxilo {

// The record list's rows: the entries a filter keeps, in list order.
class RegisterListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    void Reset(const RegisterIndex* index, std::vector<std::size_t> shown);
    const std::vector<std::size_t>& Shown() const { return shown_; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const RegisterIndex* index_ = nullptr;
    std::vector<std::size_t> shown_;
};

class TForm5 : public PictureDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // The folders registers are read from: the user's corrected copies in UserDataDir + "Dane/"
    // first, then the program's own in ProgramDir + "Dane/". Both end in "/".
    std::string ProgramDir;
    std::string UserDataDir;

    std::string RegisterName;
    std::string ChosenText;
    std::vector<std::string> RegisterLines;
    bool RegisterScrambled = false;
    bool NameOnlyResult = false;

    void LoadRegister();
    // Writes the records to the user's copy of the register; false (after a message) on failure.
    bool SaveRegister();

    // The entry selected in the list, or nullptr.
    const RegisterEntry* SelectedEntry() const;
    const RegisterIndex& Index() const { return index_; }
    const RegisterListModel& ListModel() const { return model_; }
    void SelectRow(int row);
    // The file LoadRegister reads and the one SaveRegister writes.
    std::string ReadPath() const;
    std::string WritePath() const;

    QLabel* lbl1;
    QLabel* LabelVoivodeship;
    QComboBox* sComboBox1;
    QLabel* LabelCity;
    QComboBox* sComboBox2;
    QLabel* Label3;
    QLineEdit* sEdit1;
    QListView* sListBox1;
    QLabel* LabelActivities;
    QPlainTextEdit* sMemo1;
    QLabel* LabelKey;
    QLineEdit* sEdit3;
    QLabel* LabelAddress;
    QPlainTextEdit* sMemo2;
    QLabel* LabelPhone;
    QLineEdit* sEdit2;
    QPushButton* sBitBtn1;
    QPushButton* PNGButton1;
    QPushButton* sBitBtn3;
    QPushButton* sBitBtn4;
    QFrame* Panel1;
    QPushButton* Image1;
    QLabel* Label10;
    QTimer* Timer1;

    // The public-benefit portal the logo opens.
    static const QString kPortalAddress;

public slots:
    void Timer1Timer();
    void sListBox1Click();
    void sComboBox1Change();
    void sComboBox2Change();
    void sBitBtn1Click();
    void sBitBtn3Click();
    void sBitBtn4Click();
    void Image1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadRegisterFile();
    void ShowFilterValues(QComboBox* box, const std::vector<std::string>& values);
    void RefillList(bool withCities);
    void ClearDetails();
    void ShowDetails(const RegisterEntry& entry);
    void ApplyMode();
    void LayoutControls();
    std::string FilterValue(const QComboBox* box) const;
    void SelectEntryText(const std::string& text, const std::string& key);

    RegisterIndex index_;
    RegisterListModel model_;
    RegisterDetailsShown detailsShown_;
    QString webAddress_;
    QSizeGrip* grip_;
    bool refilling_ = false;
};

} // namespace taxilo
