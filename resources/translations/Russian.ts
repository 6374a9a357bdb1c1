<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Цветовой круг</translation>
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
        <translation>Все цвета</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темнее</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Ярче</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
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
        <translation>Связь:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый клик</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний клик</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый клик</translation>
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
        <translation>Назначить профиль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Переназначить</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Назначить клавишу ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
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
        <translation>Пользовательские функции не добавлены</translation>
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
        <translation>Своя подсветка</translation>
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
        <translation>Имя клавиатуры</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Профиль 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Настройка подсветки</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Боковая</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Имя профиля</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Имя профиля</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Привязка к программе</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>Путь к программе：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать программу</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Режим приложения</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Редактор встроенной памяти</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Назначить FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Синхронизация подсветки</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Сообщения журнала</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Сбросить к заводским настройкам</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Эффект подсветки</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Список назначений</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Настройка DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Экранная клавиатура</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Сначала подключите устройство!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Сейчас включён режим встроенной памяти, сначала выйдите из него</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Переназначить</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>сочетание клавиш</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Запуск программы</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичный</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Волна</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерцание</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Змейка</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сияние</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Рябь</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Быстрый отклик</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакция</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свой</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Крест</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Музыкальный ритм</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Авто-рябь</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Фейерверк</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Столкновение</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>Не удалось прочитать файл профиля; он сохранён как %1, создан новый.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Не удалось записать файл профиля.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>Файл профиля нельзя прочитать из-за отсутствия прав; он оставлен без изменений.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Устройство не поддерживает встроенную память</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Имя своей подсветки не может быть пустым</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Имя своей подсветки изменено</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Эффект подсветки установлен</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Подсветка включена</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Подсветка выключена</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл/выкл</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока клавиша нажата</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
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
        <translation>Левая кнопка</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Быстрая настройка выполнена</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Не удалось выполнить быструю настройку</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Загрузка в клавиатуру [ошибка]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>Клавиатура хранит не более 10 макросов</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Загрузка не удалась, попробуйте ещё раз</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Запись начата</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Запись завершена</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Загрузка выполнена</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Восстановить заводские настройки?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Не удалось восстановить заводские настройки</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Заводские настройки восстановлены</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Имя конфигурации не может быть пустым</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Имя конфигурации изменено</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Сначала выберите клавишу!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Клавиша FN назначена</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Клавиша FN1 назначена</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Открыть файл профиля</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файлы профилей(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Не удалось создать конфигурацию</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Конфигурация создана</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профиль экспортирован</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не удалось экспортировать профиль</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Сначала выберите файл для импорта</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не удалось импортировать профиль</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профиль импортирован</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Должна остаться хотя бы одна конфигурация</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Конфигурация удалена</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Конфигурация восстановлена</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Сохранить назначение клавиши FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Сохранить назначение клавиши FN1?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Не удалось очистить слой</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Слой очищен</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Клавиша очищена</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>Не удалось установить эффект подсветки</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Не удалось изменить имя своей подсветки</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Профиль добавлен</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Достигнуто максимальное число профилей</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Должен остаться хотя бы один профиль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профиль удалён</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Выбрать программу</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Программа(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Имя профиля не может быть пустым</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Сведения профиля изменены</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Текущий профиль сброшен</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый клик</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Переключение DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Вперёд_Л</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Назад_Л</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый клик</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний клик</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Вперёд_П</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Назад_П</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Операция не выполнена</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>Невозможно захватить звук: для «Музыкальный ритм» нужен работающий звуковой сервер.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операция выполнена</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>Мышь не может принять этот макрос: не более 50 событий клавиш или кнопок.</translation>
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
        <translation>Сведения о прошивке</translation>
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
        <translation>Имя моей клавиатуры</translation>
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
        <translation>Устройство не подключено</translation>
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
        <translation>Ярлыки</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Блокировка ПК</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>сочетание клавиш</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Введите клавишу？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Откл. клавишу</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>Путь к приложению：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбор программы</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Выберите файл</translation>
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
        <translation>Введите текст ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Связь</translation>
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
        <translation>Вход</translation>
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
        <translation>Режим запуска</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Несколько раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Повтор вкл/выкл</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Пока нажата</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Число повторов 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Группа макросов </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Настройка задержки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записанная задержка</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Задержка по умолчанию</translation>
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
        <translation>Запись</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Запись макроса</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 мс</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Вставка в макрос</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить событие после</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить событие перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левая</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правая</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введите задержку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>Не удалось начать запись</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запись макроса начата</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Клавиши и щелчки записываются только в окнах этой программы</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запись макроса остановлена</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Не удалось сохранить запись макроса</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Не удалось удалить</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Сначала выберите позицию</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Достигнут предел числа событий</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Не удалось вставить</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставлено</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Не удалось изменить</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Не удалось переместить</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Не удалось добавить макрос</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос добавлен</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Не удалось удалить макрос</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос удалён</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Имя макроса не может быть пустым</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Имя макроса изменено</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Не удалось изменить имя макроса</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Сначала выберите макрос</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Не удалось очистить макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Макрос очищен</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Открыть файл макроса</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файлы макросов(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Не удалось импортировать макрос</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос импортирован</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Не удалось экспортировать макрос</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос экспортирован</translation>
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
        <translation>ГЛАВНАЯ</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>УСТРОЙСТВО</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>МАКРОСЫ</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>СВЯЗЬ</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>&amp;Развернуть</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>Не удалось прочитать файл %1; он оставлен без изменений.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>Не удалось прочитать файл %1; он сохранён как %2, и создан новый.</translation>
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
        <translation>Кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Боковая - Назад</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Боковая - Вперёд</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Подсветка по контуру</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Колесо</translation>
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
        <translation>Левый клик</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Смена DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Вперёд_Л</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Назад_Л</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый клик</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний клик</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Вперёд_П</translation>
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
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
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
        <translation>Свойства мыши:</translation>
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
        <translation>Сбросить текущий профиль</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Настройки мыши</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>Программа настроек мыши не найдена</translation>
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
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Пуск/Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
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
        <translation>Отмена</translation>
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
        <translation>Переназначить</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>сочетание клавиш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Запуск программы</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
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
        <translation>Если блокировка Win включена:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Откл. клавишу Win</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Отключить ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Откл. SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Отключить ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить текущий профиль</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Настройки клавиатуры</translation>
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
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать программу при старте системы (свёрнуто)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>Сворачивать в трей</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Закрывать в трей</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверить обновление прошивки</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Ссылка Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладная программа</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Свободное ПО, GNU GPL версии 3 или новее.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Ссылка</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синяя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовая</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другая</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Устройства для обновления не найдены</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Настройки сохранены</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не удалось сохранить настройки</translation>
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
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Сохранить текущий режим подсветки в устройстве?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Во время обновления прошивки не отключайте устройство!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Обновление выполнено</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Не удалось обновить</translation>
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
        <translation>Включить X/Y</translation>
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
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл./выкл.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока клавиша нажата</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/Пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Левая боковая кнопка - Вперёд</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Левая боковая кнопка - Назад</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Открыть «Мой компьютер»</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
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
        <translation>Сбой программы</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Приносим извинения за этот сбой!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Корейский/Английский</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Ход обновления:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновить</translation>
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
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Нельзя переназначить</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Переназначить</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Запустить приложение</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Ярлыки</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
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
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
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
        <translation>Режим приложения:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;В режиме приложения назначения клавиш работают только при открытом приложении. Настройки сохраняются только на компьютере и не могут быть загружены в клавиатуру.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Встроенный редактор:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>В режиме встроенного редактора интерактивные световые эффекты недоступны.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Назначения клавиш можно загрузить и сохранить в клавиатуре. У клавиатуры два слоя: основной слой и слой FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Основной слой:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Нажмите клавишу, чтобы отправить её код.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>Слой FN1:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. Выберите клавишу и назначьте её клавишей FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. Отправляйте код вместе с назначенной клавишей FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Слои:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Основной слой.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>Слой FN – заводские функции FN.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>Слой FN1 – настраиваемый.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Нельзя переназначить</translation>
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
        <translation>Создать</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
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
        <translation>Очистить слой</translation>
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
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
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
