#include "NewGridDlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "QtText.h"
#include "DialogUnits.h"
#include "Installation.h"
#include "MessageBox.h"
#include "Modal.h"
#include "VerbalineDoc.h"

namespace verbal::shell {
namespace {


constexpr int kSizeCodes[8] = {5, 7, 9, 11, 13, 15, 17, 19};
constexpr int kQualityIds[4] = {CNewGridDlg::IDC_QUALITY_0, CNewGridDlg::IDC_QUALITY_1,
                                CNewGridDlg::IDC_QUALITY_2, CNewGridDlg::IDC_QUALITY_3};

QString DefaultGetOpenFileName(QWidget* owner, const QString& title, const QString& dir,
                               const QString& filter) {
    return QFileDialog::getOpenFileName(owner, title, dir, filter);
}

}  // namespace

CNewGridDlg::CNewGridDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Nombre de cases et dictionnaire"));
    m_fnGetOpenFileName = DefaultGetOpenFileName;
    const CDialogUnits du = PrepareDialog(this, 321, 143);

    auto place = [&](QWidget* w, int x, int y, int cx, int cy) {
        w->setGeometry(du.Rect(x, y, cx, cy));
    };
    auto label = [&](const char* text, int x, int y, int cx, int cy,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setAlignment(align);
        place(l, x, y, cx, cy);
        return l;
    };

    auto* sizeBox = new QGroupBox(QStringLiteral("Nombre de cases :"), this);
    place(sizeBox, 12, 6, 144, 80);
    auto* dictBox = new QGroupBox(QStringLiteral("Dictionnaire:"), this);
    place(dictBox, 12, 90, 144, 35);
    auto* qualityBox = new QGroupBox(QStringLiteral("Qualité de la grille :"), this);
    place(qualityBox, 166, 6, 144, 94);

    m_sizeGroup = new QButtonGroup(this);
    static const char* const kSizeTexts[8] = {"6 X 6",   "8 X 8",   "10 X 10", "12 X 12",
                                              "14 X 14", "16 X 16", "18 X 18", "20 X 20"};
    for (int i = 0; i < 8; ++i) {
        const int x = i < 4 ? 34 : 100;
        const int y = 19 + 16 * (i % 4);
        const int w = i < 2 ? 33 : 41;
        AddRadio(m_sizeGroup, IDC_SIZE_6 + i, kSizeTexts[i], x, y, w, 10);
    }

    m_editName = new QLineEdit(this);
    m_editName->setReadOnly(true);
    m_editName->setAlignment(Qt::AlignCenter);
    place(m_editName, 17, 102, 77, 14);
    m_items[IDC_DICT_NAME] = m_editName;

    auto* browse = new QPushButton(QStringLiteral("Parcourir"), this);
    browse->setAutoDefault(false);
    place(browse, 100, 102, 50, 14);
    m_items[IDC_BROWSE] = browse;
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowseDictionary(); });

    auto* note = label("Note: Pour le téléchargement de nouveaux dictionnaires, connectez-vous au site.",
                       23, 130, 268, 13, Qt::AlignHCenter | Qt::AlignTop);
    note->setWordWrap(true);

    label("Qualité :", 182, 21, 45, 9);
    label("Vitesse :", 261, 21, 45, 9);
    m_qualityGroup = new QButtonGroup(this);
    static const char* const kQualityTexts[4] = {"0", "1", "2", "3"};
    static const char* const kQualityNames[4] = {"Mauvaise", "Moyenne", "Bonne", "Très bonne"};
    static const char* const kSpeedNames[4] = {"Rapide", "Moyenne", "Lente", "Très lente"};
    for (int i = 0; i < 4; ++i) {
        AddRadio(m_qualityGroup, kQualityIds[i], kQualityTexts[i], 235, 34 + 16 * i, 20, 10);
        label(kQualityNames[i], 182, 35 + 16 * i, 50, 9);
        label(kSpeedNames[i], 261, 35 + 16 * i, 45, 9);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    place(ok, 176, 108, 50, 14);
    m_items[1] = ok;
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setAutoDefault(false);
    place(cancel, 250, 108, 50, 14);
    m_items[2] = cancel;
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Each radio sets its member as soon as it is chosen.
    connect(m_sizeGroup, &QButtonGroup::idClicked, this,
            [this](int id) { m_nGridLast = kSizeCodes[id - IDC_SIZE_6]; });
    connect(m_qualityGroup, &QButtonGroup::idClicked, this, [this](int id) {
        for (int q = 0; q < 4; ++q)
            if (kQualityIds[q] == id) m_nQuality = q;
    });
}

void CNewGridDlg::AddRadio(QButtonGroup* group, int id, const char* text, int x, int y, int w,
                           int h) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), this);
    const CDialogUnits du(font());
    radio->setGeometry(du.Rect(x, y, w, h));
    group->addButton(radio, id);
    m_items[id] = radio;
}

QWidget* CNewGridDlg::GetDlgItem(int id) const {
    auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : it->second;
}

void CNewGridDlg::SelectRadios() {
    // A code outside the list selects no radio at all.
    auto select = [](QButtonGroup* group, int id) {
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons()) b->setChecked(group->id(b) == id);
        group->setExclusive(true);
    };
    int sizeId = 0;
    for (int i = 0; i < 8; ++i)
        if (kSizeCodes[i] == m_nGridLast) sizeId = IDC_SIZE_6 + i;
    select(m_sizeGroup, sizeId);
    select(m_qualityGroup, m_nQuality >= 0 && m_nQuality <= 3 ? kQualityIds[m_nQuality] : 0);
}

void CNewGridDlg::OnInitDialog() {
    m_editName->setText(FromBytes(m_strDictName));
    SelectRadios();
}

bool CNewGridDlg::DoModal() {
    OnInitDialog();
    return RunModal(*this) == QDialog::Accepted;
}

void CNewGridDlg::accept() {
    m_strDictName = ToBytes(m_editName->text());
    QDialog::accept();
}

void CNewGridDlg::OnBrowseDictionary() {
    // The dictionaries are looked for in the installation directory; without
    // it the file dialog opens wherever it likes.
    std::string installDir;
    const RegistryRead read = ReadDestinationPath(installDir);
    if (read != RegistryRead::Ok)
        ShowMessageBox(this, FromBytes(RegistryFailureMessage(read)), QString(), MsgButtons::Ok,
                       MsgIcon::Exclamation);
    const QString dir = QFile::decodeName(QByteArray::fromStdString(installDir));
    const QString chosen =
        m_fnGetOpenFileName(this, QStringLiteral("Changer de dictionnaire"), dir,
                            QStringLiteral("Dictionnaire (*.lex)"));
    if (chosen.isEmpty()) return;
    // The file is opened by its own name; only the dictionary's name goes
    // into the grid file, which keeps Windows-1252.
    const std::string path = QFile::encodeName(chosen).toStdString();
    if (const std::string problem = text::DictionaryNameProblem(path); !problem.empty()) {
        ShowMessageBox(this, FromBytes(problem) + QStringLiteral("\n") + chosen, QString(),
                       MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    m_strDictPath = path;
    m_strDefsPath = MakeDefsPath();
    MakeDictName();
    OnInitDialog();
}

}  // namespace verbal::shell
