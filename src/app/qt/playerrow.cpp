// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/playerrow.h"

#include "app/qt/players.h"
#include "app/qt/settingsfile.h"
#include "language/qt/qtwording.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace wildcrest
{

namespace
{

    // Asks for a name, and refuses one that `problemOf` finds fault with, saying why beside it, until it is put right or cancelled.
    class NameDialog : public QDialog
    {
    public:
        NameDialog(QWidget *parent, const QString &prompt, const std::string &name, std::function<QString(const std::string &)> problemOf)
            : QDialog(parent)
            , edit_(new QLineEdit(QString::fromStdString(name), this))
            , problem_(new QLabel(this))
            , problemOf_(std::move(problemOf))
        {
            auto *label = new QLabel(prompt, this);
            label->setBuddy(edit_);
            label->setWordWrap(true);
            edit_->setObjectName("playerName");
            edit_->setMaxLength(int(kLongestPlayerName) + 10); // a little over, so that a long name is refused with the reason
            problem_->setObjectName("nameProblem");
            problem_->setWordWrap(true);
            problem_->setStyleSheet("color: #a00000"); // dark red: the text stays readable in high contrast
            problem_->hide();
            auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
            connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
            connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
            auto *layout = new QVBoxLayout(this);
            layout->addWidget(label);
            layout->addWidget(edit_);
            layout->addWidget(problem_);
            layout->addWidget(buttons);
            setMinimumWidth(420);
        }

        std::string name() const
        {
            return edit_->text().toStdString();
        }

        void accept() override
        {
            const QString problem = problemOf_(name());
            if (problem.isEmpty())
                return QDialog::accept();
            problem_->setText(problem);
            problem_->show();
            edit_->setAccessibleDescription(problem);
            edit_->setFocus();
            edit_->selectAll();
        }

    private:
        QLineEdit *edit_;
        QLabel *problem_;
        std::function<QString(const std::string &)> problemOf_;
    };

} // namespace

int askSafely(QWidget *parent, const QString &title, const QString &question, const QStringList &answers)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
    // One role for every answer keeps them in the order given, on every desktop.
    for (const QString &answer : answers)
        box.addButton(answer, QMessageBox::ActionRole);
    const QList<QAbstractButton *> buttons = box.buttons();
    box.setDefaultButton(static_cast<QPushButton *>(buttons.front()));
    box.setEscapeButton(buttons.front());
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

QString playerLabel(const std::string &name)
{
    return name.empty() ? PlayerRow::tr("(no name: the usual settings)") : QString::fromStdString(name);
}

PlayerRow::PlayerRow(QWidget *parent)
    : QWidget(parent)
    , players_(new QComboBox(this))
    , rename_(new QPushButton(tr("Rename…"), this))
    , delete_(new QPushButton(tr("Delete…"), this))
{
    auto *label = new QLabel(tr("Pla&yer:"), this);
    label->setBuddy(players_);
    players_->setObjectName("players");
    players_->setSizeAdjustPolicy(QComboBox::AdjustToContents); // every name whole: they are 40 characters at most
    players_->setToolTip(tr("Each player has settings of their own. Choosing a player shows theirs; Save writes them."));
    auto *add = new QPushButton(tr("Add…"), this);
    rename_->setObjectName("renamePlayer");
    delete_->setObjectName("deletePlayer");
    add->setObjectName("addPlayer");
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(players_, 1);
    layout->addWidget(add);
    layout->addWidget(rename_);
    layout->addWidget(delete_);
    connect(players_, &QComboBox::activated, this, &PlayerRow::choose);
    connect(add, &QPushButton::clicked, this, &PlayerRow::add);
    connect(rename_, &QPushButton::clicked, this, &PlayerRow::rename);
    connect(delete_, &QPushButton::clicked, this, &PlayerRow::remove);
}

void PlayerRow::onLeave(std::function<bool()> mayLeave)
{
    mayLeave_ = std::move(mayLeave);
}

void PlayerRow::onChosen(std::function<void(const std::string &)> chosen)
{
    chosenAction_ = std::move(chosen);
}

void PlayerRow::onRenamed(std::function<void(const std::string &)> renamed)
{
    renamedAction_ = std::move(renamed);
}

void PlayerRow::list(const std::string &name)
{
    std::vector<std::string> names = playerNames();
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.insert(std::upper_bound(names.begin(), names.end(), name), name);
    names.insert(names.begin(), "");
    players_->clear();
    for (const std::string &each : names)
        players_->addItem(playerLabel(each), QString::fromStdString(each));
    players_->setCurrentIndex(int(std::find(names.begin(), names.end(), name) - names.begin()));
    chosen_ = name;
    // The player with no name is the settings file itself: it always stays, under no name.
    rename_->setEnabled(!name.empty());
    delete_->setEnabled(!name.empty());
}

void PlayerRow::choose(int index)
{
    const std::string name = players_->itemData(index).toString().toStdString();
    if (name == chosen_)
        return;
    if (!mayLeave_()) {
        list(chosen_); // back to the player still being edited
        return;
    }
    moveTo(name);
}

void PlayerRow::moveTo(const std::string &name)
{
    list(name);
    chosenAction_(name);
}

std::string PlayerRow::askName(const QString &title, const QString &prompt, const std::string &name)
{
    NameDialog dialog(this, prompt, name, [](const std::string &name) {
        if (const std::string problem = playerNameProblem(name, InstalledWording {}); !problem.empty()) {
            QString text = QString::fromStdString(problem);
            text[0] = text[0].toUpper();
            return text + ".";
        }
        if (QFileInfo::exists(playerFilePath(name)))
            return tr("There is a player %1 already: choose another name.").arg(QString::fromStdString(name));
        return QString();
    });
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted ? dialog.name() : std::string();
}

void PlayerRow::add()
{
    const std::string name = askName(tr("Add a player"), tr("The new player's name (they start from the usual defaults):"), {});
    // Nothing is written until the settings on screen may be left.
    if (name.empty() || !mayLeave_())
        return;
    if (const std::string error = writeSettingsFile(playerFilePath(name), Settings {}); !error.empty()) {
        QMessageBox::warning(this, tr("Add a player"), QString::fromStdString(error));
        return;
    }
    moveTo(name);
}

void PlayerRow::rename()
{
    const std::string from = chosen_;
    const std::string to = askName(tr("Rename a player"), tr("The new name of %1:").arg(QString::fromStdString(from)), from);
    if (to.empty())
        return;
    if (const std::string error = renamePlayer(from, to); !error.empty()) {
        QMessageBox::warning(this, tr("Rename a player"), QString::fromStdString(error));
        return;
    }
    list(to);
    renamedAction_(to);
}

void PlayerRow::remove()
{
    const std::string name = chosen_;
    const QString question = tr("Delete the player %1 and their settings?").arg(QString::fromStdString(name));
    if (askSafely(this, tr("Delete a player"), question, { tr("Keep"), tr("Delete") }) != 1)
        return;
    if (const std::string error = deletePlayer(name); !error.empty()) {
        QMessageBox::warning(this, tr("Delete a player"), QString::fromStdString(error));
        return;
    }
    moveTo("");
}

} // namespace wildcrest
