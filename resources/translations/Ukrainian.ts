<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Колірне коло</translation>
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
        <translation>Усі кольори</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Нижній колір</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Напрямок</translation>
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
        <source>Brightness</source>
        <translation>Яскравість</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темніше</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Яскравіше</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Повільно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Швидко</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Зв’язок:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Лівий клік</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середній клік</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правий клік</translation>
    </message>
</context>
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
        <translation>Перепризначити</translation>
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
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Власне підсвічування</translation>
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
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Бічне</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Профілі</translation>
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
        <translation>Прив&apos;язка до програми</translation>
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
        <translation>Перепризначити</translation>
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
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>Файл профілю неможливо прочитати через брак дозволу; його залишено без змін.</translation>
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
        <source>Unknow</source>
        <translation>Невідомо</translation>
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
        <source>Scroll Up</source>
        <translation>Коліщатко вгору</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Коліщатко вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Швидке налаштування виконано</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Не вдалося виконати швидке налаштування</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Завантаження в клавіатуру [помилка]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
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
        <source>The keyboard holds at most 10 macros</source>
        <translation>Клавіатура зберігає не більше 10 макросів</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Завантаження не вдалося, спробуйте ще раз</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Запис розпочато</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Запис завершено</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Завантаження виконано</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Відновити заводські налаштування?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Не вдалося відновити заводські налаштування</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Заводські налаштування відновлено</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Назва конфігурації не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Назву конфігурації змінено</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Спочатку виберіть клавішу!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Клавішу FN призначено</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Клавішу FN1 призначено</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Відкрити файл профілю</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файли профілів(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Тека для збереження</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Не вдалося створити конфігурацію</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Конфігурацію створено</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть теку для збереження</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профіль експортовано</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не вдалося експортувати профіль</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Спочатку виберіть файл для імпорту</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не вдалося імпортувати профіль</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профіль імпортовано</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Має залишитися хоча б одна конфігурація</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Конфігурацію видалено</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Конфігурацію відновлено</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Зберегти призначення клавіші FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Зберегти призначення клавіші FN1?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Не вдалося очистити шар</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Шар очищено</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Порожньо</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Клавішу очищено</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>Не вдалося встановити ефект підсвічування</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Не вдалося змінити назву власного підсвічування</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Профіль додано</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Досягнуто максимальної кількості профілів</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Має залишитися принаймні один профіль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профіль видалено</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Вибрати програму</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Програма(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Назва профілю не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Відомості профілю змінено</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Скинути поточний профіль?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Поточний профіль скинуто</translation>
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
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>Неможливо захопити звук: для «Музичний ритм» потрібен запущений звуковий сервер.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операцію виконано</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>Миша не може прийняти цей макрос: не більше 50 подій клавіш або кнопок.</translation>
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
        <translation>Sniper</translation>
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
        <translation>Робочий стіл</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Блокування ПК</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Мій комп&apos;ютер</translation>
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
        <translation>Кілька разів</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Повтор увімк./вимк.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Поки натиснуто</translation>
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
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Група макросів </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Налаштування затримки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записана затримка</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без затримки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Типова затримка</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Запис макросу</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запис порожній</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 мс</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Вставлення в макрос</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставити подію після</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставити подію перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Лівий клік</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Середній клік</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правий клік</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введіть затримку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
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
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>Не вдалося почати запис</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запис макросу розпочато</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Клавіші й клацання записуються лише у вікнах цієї програми</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запис макросу зупинено</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Не вдалося зберегти запис макросу</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Не вдалося видалити</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Спочатку виберіть позицію</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Досягнуто межі кількості подій</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Не вдалося вставити</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставлено</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Не вдалося змінити</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Змінено</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Не вдалося перемістити</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Не вдалося додати макрос</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос додано</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Не вдалося видалити макрос</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос видалено</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Назва макросу не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Назву макросу змінено</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Не вдалося змінити назву макросу</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Спочатку виберіть макрос</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Не вдалося очистити макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Макрос очищено</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Відкрити файл макросу</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файли макросів(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Не вдалося імпортувати макрос</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос імпортовано</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Тека для збереження</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть теку для збереження</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Не вдалося експортувати макрос</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос експортовано</translation>
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
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>Не вдалося прочитати файл %1; його залишено без змін.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>Не вдалося прочитати файл %1; його збережено як %2 і створено новий.</translation>
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
        <translation>Бічна - Назад</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Бічна - Вперед</translation>
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
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>Підсвічування по контуру</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Коліщатко</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
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
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
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
        <source>Scroll Up</source>
        <translation>Коліщатко вгору</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Коліщатко вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
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
        <translation>Властивості миші:</translation>
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
        <translation>Скинути поточний профіль</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Налаштування миші</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>Програму налаштувань миші не знайдено</translation>
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
    <name>DOnboardPage</name>
    <message>
        <source>DOnboardPage</source>
        <translation>DOnboardPage</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Перепризначити</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>комбінація клавіш</translation>
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
        <source>Launch application</source>
        <translation>Запуск програми</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сполучення</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Порожньо</translation>
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
        <translation>Вимк. клавішу Win</translation>
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
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Вільне ПЗ за ліцензією GNU GPL версії 3 або пізнішої.</translation>
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
        <source>DTipInfoDia</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Зберегти поточний режим підсвічування в пристрої?</translation>
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
        <translation>Перепризначити</translation>
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
        <source>onboardExplainDia</source>
        <translation>onboardExplainDia</translation>
    </message>
    <message>
        <source>APP mode:</source>
        <translation>Режим програми:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;У режимі програми призначення клавіш працюють лише тоді, коли програму відкрито. Налаштування зберігаються лише на комп’ютері й не можуть бути завантажені в клавіатуру.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Вбудований редактор:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>У режимі вбудованого редактора інтерактивні світлові ефекти недоступні.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Призначення клавіш можна завантажити й зберегти в клавіатурі. Клавіатура має два шари: основний шар і шар FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Основний шар:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Натисніть клавішу, щоб надіслати її код.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>Шар FN1:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. Виберіть клавішу й призначте її клавішею FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. Надсилайте код разом із призначеною клавішею FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Шари:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Основний шар.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>Шар FN – заводські функції FN.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>Шар FN1 – налаштовуваний.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Не можна перепризначити</translation>
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
        <translation>Створити</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Змінити назву</translation>
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
        <translation>Очистити шар</translation>
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
<context>
    <name>profileListItem</name>
    <message>
        <source>profileListItem</source>
        <translation>profileListItem</translation>
    </message>
</context>
</TS>
