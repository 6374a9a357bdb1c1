// SPDX-License-Identifier: GPL-3.0-or-later
#include "DLinkagePage.h"
#include "ui_DLinkagePage.h"

DLinkagePage::DLinkagePage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DLinkagePage>())
{
    ui->setupUi(this);
}

DLinkagePage::~DLinkagePage() = default;
