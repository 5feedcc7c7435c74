// SPDX-FileCopyrightText: 2026 Zelkor developers
// SPDX-License-Identifier: MIT
// The Qt Designer plugin of TRyNumEdit.
#include "RyNumEditPlugin.h"

#include "RyNumEdit.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

TRyNumEditPlugin::TRyNumEditPlugin(QObject *parent) : QObject(parent) {}

QString TRyNumEditPlugin::name() const {
    return QStringLiteral("TRyNumEdit");
}

QString TRyNumEditPlugin::group() const {
    return QStringLiteral("Input Widgets");
}

QString TRyNumEditPlugin::toolTip() const {
    return tr("Numeric edit: a formatted number with digit limits, separators, marks and "
              "calculator-style entry");
}

QString TRyNumEditPlugin::whatsThis() const {
    return tr("A single-line control that holds one number as text and shows it formatted: "
              "integer and decimal digit limits, thousands separators, an optional sign, fixed "
              "zeros, marks before and after the number, margins and alignment. Digits and the "
              "point are appended as on a pocket calculator; the selection is all or nothing. "
              "Text holds the plain number, without separators or marks.");
}

// What uic writes into the form's header; the library's installed include folder holds it.
QString TRyNumEditPlugin::includeFile() const {
    return QStringLiteral("RyNumEdit.h");
}

QIcon TRyNumEditPlugin::icon() const {
    return QIcon(QStringLiteral(":/rynumedit/rynumedit.png"));
}

bool TRyNumEditPlugin::isContainer() const {
    return false;
}

// Designer creates instances for the forms it edits, inside a form window, and one without a
// parent to learn the defaults: those are in design mode. A form preview creates them under an
// ordinary window and shows how the form runs, so those are not.
QWidget *TRyNumEditPlugin::createWidget(QWidget *parent) {
    bool designing = parent == nullptr;
    for (QObject *o = parent; o && !designing; o = o->parent())
        designing = o->inherits("QDesignerFormWindowInterface");
    return new TRyNumEdit(parent, designing ? TRyNumEdit::dsDesigning : TRyNumEdit::dsRunning);
}

bool TRyNumEditPlugin::isInitialized() const {
    return FInitialized;
}

// Designer loads translations of its own texts only: the plugin brings those of its texts in
// the user's language where it has them (the group name is Designer's own and stays).
void TRyNumEditPlugin::initialize(QDesignerFormEditorInterface *) {
    if (FInitialized)
        return;
    FInitialized = true;
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(), QStringLiteral("rynumeditplugin"), QStringLiteral("_"),
                         QStringLiteral(":/rynumeditplugin/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// A new instance gets the control's construction size; the rest of its properties keep the
// control's own defaults, so a form stores only what the user changes. The value and the input
// method's name are single-line texts that are never translated.
QString TRyNumEditPlugin::domXml() const {
    return QStringLiteral(R"(<ui language="c++">
 <widget class="TRyNumEdit" name="RyNumEdit1">
  <property name="geometry">
   <rect>
    <x>0</x>
    <y>0</y>
    <width>121</width>
    <height>20</height>
   </rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>TRyNumEdit</class>
   <propertyspecifications>
    <stringpropertyspecification name="Text" notr="true" type="singleline"/>
    <stringpropertyspecification name="ImeName" notr="true" type="singleline"/>
    <stringpropertyspecification name="LeftMark" type="singleline"/>
    <stringpropertyspecification name="RightMark" type="singleline"/>
   </propertyspecifications>
  </customwidget>
 </customwidgets>
</ui>
)");
}
