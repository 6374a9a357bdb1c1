#include "onboardExplainDia.h"

#include <QLabel>
#include <QVBoxLayout>

onboardExplainDia::onboardExplainDia(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("onboardExplainDia"));
    auto *layout = new QVBoxLayout(this);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("label_Explain"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_text);
    retranslate();
}

void onboardExplainDia::retranslate()
{
    m_text->setText(tr("APP mode: the program carries out the key assignments of the current profile while it "
                       "runs.\n\nOnboard Editor: the key assignments and macros are written into the keyboard's "
                       "own memory and work without the program."));
}
