<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>عجلة الألوان</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>كل الألوان</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>ساطع</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>بطيء</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>سريع</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>مرتبط:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>النقر الأيسر</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>النقر الأوسط</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>النقر الأيمن</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>تعيين ملف التعريف</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>إعادة التعيين إلى المفتاح ؟</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>ماكرو:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>الملف الشخصي:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>لم تتم إضافة وظائف مخصصة</translation>
    </message>
</context>
<context>
    <name>DCustomEventWidget</name>
    <message>
        <source>DCustomEventWidget</source>
        <translation>DCustomEventWidget</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>إضاءة مخصصة</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>المنتج</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>المنتج</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>اسم لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>الملف الشخصي 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>إعدادات الإضاءة</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>الجانبية</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>اسم الملف الشخصي</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>اسم الملف الشخصي</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>ربط الملف ببرنامج</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>مسار التطبيق：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>وضع التطبيق</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>محرر الذاكرة الداخلية</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>تعيين FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>مزامنة الإضاءة</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>رسائل السجل</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>استعادة إعدادات المصنع</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل إلى الجهاز</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>تأثير الإضاءة</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>الأداء</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>قائمة التخصيص</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>إعداد DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>لوحة مفاتيح على الشاشة</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>يرجى توصيل الجهاز أولاً!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>الوضع الحالي هو وضع الذاكرة الداخلية، يرجى الخروج منه أولاً</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>وسائط متعددة</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>تبديل الملف</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>نيون</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>تنفس</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>وميض</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>رادار</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>شفق</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>تموج</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>استجابة سريعة</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>تفاعلي</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>تقاطع</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>إيقاع موسيقي</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>تموج تلقائي</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>تصادم</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>تعذرت قراءة ملف التعريف؛ تم الاحتفاظ به باسم %1 وإنشاء ملف جديد.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>تعذرت كتابة ملف التعريف.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>لا يمكن قراءة ملف التعريف لعدم وجود إذن؛ تُرك كما هو.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>هذا الجهاز لا يدعم الذاكرة المدمجة</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الإضاءة المخصصة فارغًا</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>تم تعديل اسم الإضاءة المخصصة</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>تم ضبط تأثير الإضاءة بنجاح</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>تم تشغيل الإضاءة</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>تم إيقاف الإضاءة</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل مستمر تشغيل/إيقاف</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>تشغيل أثناء الضغط على المفتاح المعين</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>تمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>تمرير لأسفل</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>زر القناص</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>تم الإعداد السريع بنجاح</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>فشل الإعداد السريع</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>التنزيل إلى لوحة المفاتيح [فشل]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تلميح</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>تحفظ لوحة المفاتيح 10 وحدات ماكرو على الأكثر</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>فشل التنزيل، يرجى المحاولة مرة أخرى</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>بدء الكتابة</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>انتهت الكتابة</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>تم التنزيل بنجاح</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>هل تريد استعادة إعدادات المصنع؟</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>فشلت استعادة إعدادات المصنع</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>تمت استعادة إعدادات المصنع</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الإعداد فارغًا</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>تم تغيير اسم الإعداد</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>يرجى اختيار مفتاح أولاً!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>تم تعيين مفتاح FN</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>تم تعيين مفتاح FN1</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>فتح ملف تعريف</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>ملفات التعريف(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>تعذر إنشاء الإعداد</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>تم إنشاء الإعداد</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى اختيار مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>تم تصدير ملف التعريف</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>فشل تصدير ملف التعريف</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>يرجى اختيار ملف الاستيراد أولاً</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>فشل استيراد ملف التعريف</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>تم استيراد ملف التعريف</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>يجب الإبقاء على إعداد واحد على الأقل</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>تم حذف الإعداد</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>تمت استعادة الإعداد</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>هل تريد الإبقاء على إعداد مفتاح FN؟</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>هل تريد الإبقاء على إعداد مفتاح FN1؟</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>تعذر مسح الطبقة</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>تم مسح الطبقة</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>تم مسح المفتاح</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>فشل ضبط تأثير الإضاءة</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>فشل تعديل اسم الإضاءة المخصصة</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>تمت إضافة ملف التعريف</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>تم بلوغ الحد الأقصى لعدد ملفات التعريف</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>يجب الإبقاء على ملف تعريف واحد على الأقل</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>تم حذف ملف التعريف</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>اختيار برنامج</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>برنامج(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>لا يمكن أن يكون اسم ملف التعريف فارغاً</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>تم تعديل معلومات ملف التعريف</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة تعيين الملف الشخصي الحالي؟</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>تمت إعادة تعيين الملف الشخصي الحالي</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>النقر الأيسر</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>تبديل DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>للأمام_يسار</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>للخلف_يسار</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>النقر الأيمن</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>النقر الأوسط</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>للأمام_يمين</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>للخلف_يمين</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>لا يمكن التقاط الصوت: يحتاج «إيقاع موسيقي» إلى خادم صوت قيد التشغيل.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>نجحت العملية</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>لا يمكن للفأرة استقبال هذا الماكرو: 50 حدث مفتاح أو زر على الأكثر.</translation>
    </message>
</context>
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>القنص</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>معلومات البرنامج الثابت</translation>
    </message>
</context>
<context>
    <name>DHomeDeviceListItem</name>
    <message>
        <source>DHomeDeviceListItem</source>
        <translation>DHomeDeviceListItem</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>المنتج</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>اسم لوحة المفاتيح الخاصة بي</translation>
    </message>
</context>
<context>
    <name>DHomeDeviceListWidget</name>
    <message>
        <source>DHomeDeviceListWidget</source>
        <translation>DHomeDeviceListWidget</translation>
    </message>
</context>
<context>
    <name>DHomePage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>فتح الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>أدخل المفتاح؟</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>تعطيل المفتاح</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>اختيار تطبيق</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>مسار التطبيق：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختر التطبيق</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>اختر ملفًا</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>الربط</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>تسجيل الدخول</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>نوع التشغيل</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تكرار مستمر</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>أثناء الضغط</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين ماكرو</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1،2،3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>مجموعة الماكرو </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>تأخير التسجيل</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بدون تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>تأخير افتراضي</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>مللي ثانية</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 مللي ثانية</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج الحدث بعد</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج الحدث قبل</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>حدث لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>حدث الفأرة</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>تأخير</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>العملية</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>يرجى إدخال مفتاح</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>أيسر</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>أوسط</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>أيمن</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>يرجى إدخال مدة التأخير</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>اضغط مفتاحًا</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>تعذر بدء التسجيل</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>بدء تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>تُسجَّل المفاتيح والنقرات في نوافذ هذا البرنامج فقط</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>إيقاف تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>فشل حفظ تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>فشل الحذف</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>يرجى تحديد موضع أولاً</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>بلغ عدد الأحداث الحد الأقصى</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>فشل الإدراج</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>تم الإدراج بنجاح</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>فشل التعديل</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>تم التعديل بنجاح</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>فشل النقل</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>فشلت إضافة الماكرو</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>تمت إضافة الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>فشل حذف الماكرو</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>تم حذف الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الماكرو فارغًا</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>تم تغيير اسم الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>فشل تغيير اسم الماكرو</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>يرجى تحديد ماكرو أولاً</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>فشل مسح أحداث الماكرو</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>تم مسح أحداث الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>فتح ملف ماكرو</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>ملفات الماكرو(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>فشل استيراد الماكرو</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>تم استيراد الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى تحديد مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>فشل تصدير الماكرو</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>تم تصدير الماكرو بنجاح</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>BRIVEX</source>
        <translation>BRIVEX</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>الجهاز</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>الماكرو</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>الربط</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>تصغير(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>تكبير(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>إنهاء(&amp;Q)</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>تعذرت قراءة الملف %1؛ وقد تُرك كما هو.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>تعذرت قراءة الملف %1؛ تم الاحتفاظ به باسم %2 وإنشاء ملف جديد.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>زر الماوس</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>جانبي - رجوع</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>جانبي - تقدم</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>العجلة للأسفل</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>العجلة للأعلى</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>زر القناص</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>الإضاءة المحيطة</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>عجلة التمرير</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>النقر الأيسر</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>تبديل DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>للأمام_يسار</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>للخلف_يسار</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>النقر الأيمن</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>النقر الأوسط</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>للأمام_يمين</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>للخلف_يمين</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الفأرة الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الفأرة الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الفأرة الأيمن</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>تمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>تمرير لأسفل</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>زر القناص</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>خصائص الفأرة:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة تعيين ملف التعريف الحالي</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>إعدادات الفأرة</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>لم يتم العثور على أداة إعدادات الفأرة</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>خفض الصوت</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>رفع الصوت</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>المشغل</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DOnboardPage</name>
    <message>
        <source>DOnboardPage</source>
        <translation>DOnboardPage</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>وسائط متعددة</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>تبديل الملف</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>اختصارات</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>فارغ</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>عند تفعيل قفل Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة تعيين ملف التعريف الحالي</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>إعدادات لوحة المفاتيح</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>DSettingsDia</source>
        <translation>DSettingsDia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>تشغيل البرنامج عند بدء النظام (مصغرًا)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>التصغير إلى علبة النظام</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>الإغلاق إلى علبة النظام</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>الترقية</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>التحقق من ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>رابط Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>الدعم</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>إرسال ملاحظات</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>برنامج التطبيق</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>برنامج حر بموجب GNU GPL، الإصدار 3 أو أحدث.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>التحقق من التحديث</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>رابط</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>لم يتم العثور على أجهزة قابلة للترقية</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>تم حفظ الإعدادات</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>تعذر حفظ الإعدادات</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>هل تريد حفظ وضع الإضاءة الحالي في الجهاز؟</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>أثناء ترقية البرنامج الثابت، لا تفصل الجهاز!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>تمت الترقية بنجاح</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>فشلت الترقية</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>تفعيل X/Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>KeyAssignmentTexts</name>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>تشغيل مستمر تشغيل/إيقاف</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل أثناء الضغط على المفتاح</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>رفع الصوت</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>خفض الصوت</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>المشغل</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الفأرة الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الفأرة الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الفأرة الأيمن</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>العجلة لأعلى</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>العجلة لأسفل</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>الزر الجانبي الأيسر - تقدم</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>الزر الجانبي الأيسر - رجوع</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>فتح جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>KeyLayoutFile</name>
    <message>
        <source>한자</source>
        <translation>한자</translation>
    </message>
    <message>
        <source>한영</source>
        <translation>한영</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Exe Crash</source>
        <translation>تعطل البرنامج</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>نعتذر بشدة عن هذا التعطل!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>الصينية</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>الكورية/الإنجليزية</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>تقدم الترقية:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>ترقية</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>لا يمكن إعادة التعيين</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>إعادة تعيين المفتاح</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>تبديل الملف</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>الملف الشخصي:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تعديل الاسم</translation>
    </message>
</context>
<context>
    <name>onboardExplainDia</name>
    <message>
        <source>onboardExplainDia</source>
        <translation>onboardExplainDia</translation>
    </message>
    <message>
        <source>APP mode:</source>
        <translation>وضع التطبيق:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;في وضع التطبيق لا يعمل تخصيص المفاتيح إلا عندما يكون التطبيق مفتوحًا. تُحفظ الإعدادات على الحاسوب فقط ولا يمكن تنزيلها إلى لوحة المفاتيح.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>المحرر المدمج:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>في وضع التحرير المدمج لا تتوفر تأثيرات الإضاءة التفاعلية.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;يمكن تنزيل تخصيصات المفاتيح وحفظها في لوحة المفاتيح. للوحة المفاتيح طبقتان: الطبقة الافتراضية وطبقة FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>الطبقة الافتراضية:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;اضغط المفتاح مباشرة لإرسال الرمز.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>طبقة FN1:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. اختر مفتاحًا واضبطه كمفتاح FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. أرسل الرمز مع مفتاح FN1 المخصص.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>الطبقات:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>الطبقة الافتراضية.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>طبقة FN – وظائف FN الأصلية.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>طبقة FN1 – قابلة للتخصيص.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>لا يمكن إعادة التعيين</translation>
    </message>
</context>
<context>
    <name>onboardProfileMenuToolWidget</name>
    <message>
        <source>onboardProfileMenuToolWidget</source>
        <translation>onboardProfileMenuToolWidget</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>إنشاء جديد</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تعديل الاسم</translation>
    </message>
    <message>
        <source>QWERTY</source>
        <translation>QWERTY</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Dvorak</source>
        <translation>Dvorak</translation>
    </message>
    <message>
        <source>Clean layer</source>
        <translation>مسح الطبقة</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تعديل الاسم</translation>
    </message>
</context>
<context>
    <name>profileListItem</name>
    <message>
        <source>profileListItem</source>
        <translation>profileListItem</translation>
    </message>
</context>
</TS>
