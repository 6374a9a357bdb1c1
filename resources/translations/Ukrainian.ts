<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>Призначити профіль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначити клавішу</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Призначити клавішу ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Макрос:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профіль:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>Користувацькі функції не додано</translation>
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
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Назва клавіатури</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не підключено</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Профіль 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Налаштування клавіш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Налаштування підсвічування</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Бічне підсвічування</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Група профілів </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Назва профілю</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Назва профілю</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Пов&apos;язати профіль із програмою</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>Шлях до програми：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати програму</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Режим програми</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Редактор вбудованої пам&apos;яті</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Шар FN1</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Призначити FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Синхронізація підсвічування</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Повідомлення журналу</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Відновити заводські налаштування</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Ефект підсвічування</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Продуктивність</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Список призначень</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Налаштування DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Екранна клавіатура</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Спочатку підключіть пристрій!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Зараз увімкнено режим вбудованої пам&apos;яті, спочатку вийдіть із нього</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Перепризначити клавішу</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>комбінація клавіш</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Запуск програми</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сполучення</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Змінити профіль</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичний</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дихання</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерехтіння</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Змійка</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сяйво</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Брижі</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Швидкий відгук</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакція</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Власний</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Хрест</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Музичний ритм</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Автоматичні брижі</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Смуги</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Феєрверк</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Зіткнення</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>Не вдалося прочитати файл профілю; його збережено як %1, створено новий.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Не вдалося записати файл профілю.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Пристрій не підтримує вбудовану пам&apos;ять</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Назва власного підсвічування не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Назву власного підсвічування змінено</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Ефект підсвічування встановлено</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Підсвічування увімкнено</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Підсвічування вимкнено</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Лівий клік</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Перемикання DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Вперед_Л</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Назад_Л</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правий клік</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середній клік</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Вперед_П</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Назад_П</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Операцію не виконано</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Спочатку виберіть клавішу!</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Порожньо</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операцію виконано</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>Миша не може прийняти цей макрос: не більше 50 подій клавіш або кнопок.</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Скинути поточний профіль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Поточний профіль скинуто</translation>
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
        <translation>Снайпер</translation>
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
        <translation>Відомості про мікропрограму</translation>
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
        <translation>Продукт</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>Назва моєї клавіатури</translation>
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
        <translation>Форма</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не підключено</translation>
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
        <translation>Форма</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Ярлики</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп&apos;ютер</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Відкрити «Мій комп&apos;ютер»</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>комбінація клавіш</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Введіть клавішу？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>Вимкнути клавішу</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>Вибір застосунку</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>Шлях до застосунку：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати застосунок</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Виберіть файл</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Зв’язок</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Увійти</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Режим відтворення</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Відтворити один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Відтворити кілька разів</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервне відтворення увімк./вимк.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Відтворювати, поки клавішу натиснуто</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Призначити макрос</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Кількість повторів</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Кількість повторів 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>ГОЛОВНА</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>ПРИСТРІЙ</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>МАКРОСИ</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>ЗВ’ЯЗОК</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>&amp;Згорнути</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>&amp;Розгорнути</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Відновити</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Ви&amp;йти</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Ліва бічна кнопка - Назад</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Ліва бічна кнопка - Вперед</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Коліщатко вниз</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Коліщатко вгору</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>Лівий клік</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Перемикання DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Вперед_Л</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Назад_Л</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правий клік</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середній клік</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Вперед_П</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Назад_П</translation>
    </message>
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>Report rate</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Відновити</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворення/Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тихіше</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Гучніше</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп&apos;ютер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Якщо блокування Win увімкнено:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Вимкнути клавішу Windows</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Вимкнути ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Вимкнути SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Вимкнути ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Скинути поточний профіль</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Налаштування клавіатури</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
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
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати програму під час старту системи (згорнуто)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>Згортати в трей</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Закривати в трей</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевірити оновлення прошивки</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Посилання Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Підтримка</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Надіслати відгук</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладна програма</translation>
    </message>
    <message>
        <source>Copyright (C) ZELKA. All rights reserved.</source>
        <translation>Copyright (C) ZELKA. All rights reserved.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Посилання</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожева</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інша</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Пристроїв для оновлення не знайдено</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Налаштування збережено</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не вдалося зберегти налаштування</translation>
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
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Не зберігати</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Оновлення прошивки</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Під час оновлення прошивки не від&apos;єднуйте пристрій!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Оновлення виконано</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Не вдалося оновити</translation>
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
        <translation>Увімкнути X/Y</translation>
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
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
<context>
    <name>KeyAssignmentTexts</name>
    <message>
        <source>Play once</source>
        <translation>Відтворити один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Відтворити кілька разів</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервне відтворення увімк./вимк.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Відтворювати, поки клавішу натиснуто</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Гучніше</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тихіше</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звуку</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворення/Пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп&apos;ютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Пошта</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка миші</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Колесо вгору</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Ліва бічна кнопка - Вперед</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Ліва бічна кнопка - Назад</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Відкрити «Мій комп&apos;ютер»</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп&apos;ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
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
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Exe Crash</source>
        <translation>Збій програми</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Щиро перепрошуємо за цей збій!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Китайська</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Корейська/Англійська</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Поточна версія:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Хід оновлення:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Нова версія:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Не можна перепризначити</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Перепризначити клавішу</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Змінити профіль</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профіль:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Запустити програму</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Ярлики</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Змінити назву</translation>
    </message>
</context>
<context>
    <name>onboardExplainDia</name>
    <message>
        <source>APP mode: the program carries out the key assignments of the current profile while it runs.

Onboard Editor: the key assignments and macros are written into the keyboard&apos;s own memory and work without the program.</source>
        <translation>Режим програми: поки програма працює, вона виконує призначення клавіш поточного профілю.

Редактор вбудованої пам&apos;яті: призначення клавіш і макроси записуються в пам&apos;ять клавіатури й працюють без програми.</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Змінити назву</translation>
    </message>
</context>
</TS>
