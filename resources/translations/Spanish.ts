<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Rueda de color</translation>
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
        <translation>Todos los colores</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Color inferior</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Vinculado:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>Asignar perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Reasignar con la tecla ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>No se han añadido funciones personalizadas</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Iluminación personalizada</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nombre del teclado</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Perfil 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalización de teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Configuración de iluminación</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Luz lateral</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Vincular a programa</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>Ruta de la aplicación：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Modo aplicación</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Editor integrado</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Definir FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Sincronizar iluminación</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Mensajes del registro</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Restaurar configuración de fábrica</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Efecto de iluminación</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Lista personalizada</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Configuración de DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Teclado en pantalla</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>¡Primero abra el dispositivo!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Está en modo integrado, salga primero</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinación de teclas</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Iniciar aplicación</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Ola</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Centelleo</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Onda expansiva</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Respuesta rápida</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactivo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Onda automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrías</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuegos artificiales</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisión</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>No se pudo leer el archivo de perfil; se conservó como %1 y se creó uno nuevo.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>No se pudo escribir el archivo de perfil.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>El archivo de perfil no se puede leer por falta de permisos; se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>El dispositivo no admite memoria integrada</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>El nombre de la luz personalizada no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nombre de la luz personalizada cambiado</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Efecto de luz aplicado</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Luz encendida</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Luz apagada</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua sí/no</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se pulsa la tecla</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
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
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botón francotirador</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Configuración rápida correcta</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Error en la configuración rápida</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Descarga integrada [error]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>El teclado guarda como máximo 10 macros</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Error en la descarga, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Inicio de escritura</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Escritura terminada</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Descarga correcta</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>¿Restaurar la configuración de fábrica?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Error al restaurar la configuración de fábrica</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Configuración de fábrica restaurada</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>El nombre de la configuración no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Nombre de la configuración cambiado</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>¡Seleccione primero una tecla!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Tecla FN asignada</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Tecla FN1 asignada</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir archivo de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Archivos de perfil(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>No se pudo crear la configuración</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Configuración creada</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero una carpeta de destino</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Error al exportar el perfil</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleccione primero el archivo a importar</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Error al importar el perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Debe quedar al menos una configuración</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Configuración eliminada</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Configuración restaurada</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>¿Desea conservar la asignación de la tecla FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>¿Desea conservar la asignación de la tecla FN1?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>No se pudo vaciar la capa</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Capa vaciada</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Tecla vaciada</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>No se pudo aplicar el efecto de luz</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>No se pudo cambiar el nombre de la luz personalizada</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Perfil añadido</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de perfiles</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Debe quedar al menos un perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Seleccionar programa</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programa(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>El nombre del perfil no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Información del perfil modificada</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>¿Restablecer el perfil actual?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Perfil actual restablecido</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Ciclo de DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Adelante_I</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Atrás_I</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Adelante_D</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Atrás_D</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operación fallida</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>No se puede capturar el sonido: «Ritmo musical» necesita un servidor de sonido en marcha.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operación correcta</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>El ratón no puede recibir esta macro: como máximo 50 eventos de tecla o botón.</translation>
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
        <translation>Información del firmware</translation>
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
        <translation>Producto</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>Nombre de mi teclado</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Abrir Mi PC</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinación de teclas</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>¿Introducir tecla？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>Desactivar tecla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>Ruta de la aplicación：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Seleccionar archivo</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Escriba el texto ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Vinculación</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Tipo de reproducción</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Varias veces</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Repetir sí/no</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Mientras se pulsa</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de reproducciones 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Grupo de macros </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Ajuste de retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Retardo grabado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sin retardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Retardo predeterminado</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Grabación de la macro</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La grabación está vacía</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Insertar en la macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar evento después</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar evento antes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pulse una tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduzca el retardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>No se pudo iniciar la grabación</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Grabación de la macro iniciada</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Las teclas y los clics solo se graban en las ventanas de este programa</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Grabación de la macro detenida</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Error al guardar la grabación de la macro</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleccione primero una posición</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Se alcanzó el límite de eventos</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Error al insertar</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insertado correctamente</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Error al modificar</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificado correctamente</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Error al mover</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Error al añadir la macro</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro añadida</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Error al eliminar la macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>El nombre de la macro no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nombre de la macro modificado</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Error al modificar el nombre de la macro</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleccione primero una macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Error al borrar la macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro borrada</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir archivo de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Archivos de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Error al importar la macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero la carpeta de destino</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Error al exportar la macro</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada</translation>
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
        <translation>INICIO</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DISPOSITIVO</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>VINCULACIÓN</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>No se pudo leer el archivo %1; se ha dejado tal como estaba.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>No se pudo leer el archivo %1; se ha guardado como %2 y se ha creado uno nuevo.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Botón del ratón</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Lateral - Atrás</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Lateral - Adelante</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botón francotirador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Iluminación perimetral</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Ciclo de DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Adelante_I</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Atrás_I</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Adelante_D</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Atrás_D</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botón francotirador</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
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
        <translation>Propiedades del ratón:</translation>
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
        <translation>Restablecer perfil actual</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Configuración del ratón</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>No se encontró ninguna herramienta de configuración del ratón</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinación de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Iniciar aplicación</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si el bloqueo Win está activado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desactivar tecla Win</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desactivar ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desactivar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desactivar ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Restablecer perfil actual</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Configuración del teclado</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar la aplicación al arrancar el sistema (minimizada)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>Minimizar a la bandeja</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Cerrar a la bandeja</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Comprobar actualización de firmware</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Enlace de Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicación</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No se encontraron dispositivos actualizables</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configuración guardada</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>No se pudo guardar la configuración</translation>
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
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>¿Desea guardar el modo de iluminación actual en el dispositivo?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Mientras se actualiza el firmware, no desconecte el dispositivo.</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Actualización correcta</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Error en la actualización</translation>
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
        <translation>Activar X/Y</translation>
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
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua sí/no</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se pulsa la tecla</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Botón lateral izquierdo - Adelante</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Botón lateral izquierdo - Atrás</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Abrir mi equipo</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Fallo del programa</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>¡Lamentamos mucho este fallo!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/Inglés</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nueva versión:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>No se puede reasignar</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Abrir aplicación</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
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
        <translation>Modo aplicación:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;En el modo aplicación, la personalización de teclas solo funciona mientras la aplicación está abierta. La configuración solo se guarda en el ordenador y no se puede descargar al teclado.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Editor integrado:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>En el modo de edición integrado, los efectos de luz interactivos no están disponibles.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;La configuración de las teclas se puede descargar y guardar en el teclado. El teclado tiene dos capas: la capa predeterminada y la capa FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Capa predeterminada:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Pulse la tecla directamente para enviar el código.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>Capa FN1:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. Seleccione una tecla y asígnela como FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. Envíe el código combinándola con la tecla FN1 personalizada.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Capas:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Capa predeterminada.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>Capa FN – funciones FN de fábrica.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>Capa FN1 – personalizable.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>No se puede reasignar</translation>
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
        <translation>Crear nuevo</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
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
        <translation>Vaciar capa</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Cambiar nombre</translation>
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
