<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>Roda de cores</translation>
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
        <translation>Cores completas</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>Cor inferior</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Associado:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>Atribuir perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remapear tecla</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Remapear com a tecla ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>Nenhuma função personalizada adicionada</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Iluminação personalizada</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nome do teclado</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não conectado</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>Perfil 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalização de teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Configuração de iluminação</translation>
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
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Associar a programa</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>Caminho da aplicação：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Modo aplicação</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Editor integrado</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada padrão</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Definir FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Sincronizar iluminação</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Mensagens de registo</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Repor definições de fábrica</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Efeito de iluminação</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Lista personalizada</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Configuração de DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Abra primeiro o dispositivo!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Está no modo integrado, saia primeiro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Remapear tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinação de teclas</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Iniciar aplicação</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilação</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Serpente</translation>
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
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Resposta rápida</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reativo</translation>
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
        <translation>Ondulação automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Listras</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fogo de artifício</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisão</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>Não foi possível ler o ficheiro de perfil; foi guardado como %1 e foi criado um novo.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>Não foi possível escrever o ficheiro de perfil.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>O ficheiro de perfil não pode ser lido por falta de permissão; foi deixado como estava.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>O dispositivo não suporta memória integrada</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>O nome da luz personalizada não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome da luz personalizada alterado com sucesso</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>Efeito de luz definido com sucesso</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>Luz ligada com sucesso</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>Luz desligada com sucesso</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua ligar/desligar</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla estiver premida</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
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
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Roda para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Roda para baixo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Recuar</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botão sniper</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Configuração rápida concluída</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Falha na configuração rápida</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Transferência integrada [falhou]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>O teclado guarda no máximo 10 macros</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>A transferência falhou, tente novamente</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Início da escrita</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Escrita concluída</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Transferência concluída</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Repor as definições de fábrica?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Falha ao repor as definições de fábrica</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Definições de fábrica repostas</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>O nome da configuração não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Nome da configuração alterado</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Selecione primeiro uma tecla!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Tecla FN definida</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Tecla FN1 definida</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir ficheiro de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Ficheiros de perfil(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Não foi possível criar a configuração</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Configuração criada</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro uma pasta de destino</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Falha ao exportar o perfil</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selecione primeiro o ficheiro a importar</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Falha ao importar o perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Tem de ficar pelo menos uma configuração</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Configuração eliminada</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>Configuração reposta</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Pretende manter a definição da tecla FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Pretende manter a definição da tecla FN1?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Não foi possível limpar a camada</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Camada limpa</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Tecla limpa</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>Falha ao definir o efeito de luz</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Falha ao alterar o nome da luz personalizada</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Perfil adicionado</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Foi atingido o número máximo de perfis</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Tem de ficar pelo menos um perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Selecionar programa</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programa(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>O nome do perfil não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Informações do perfil alteradas</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Repor o perfil atual?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Perfil atual reposto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Ciclo de DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Avançar_E</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Retroceder_E</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Avançar_D</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Retroceder_D</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>A operação falhou</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>Não é possível captar o som: o «Ritmo musical» precisa de um servidor de som em execução.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operação bem-sucedida</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>O rato não aceita esta macro: no máximo 50 eventos de tecla ou botão.</translation>
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
        <translation>Informações do firmware</translation>
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
        <translation>Produto</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>Nome do meu teclado</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não conectado</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
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
        <translation>Novo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinação de teclas</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Introduza a tecla？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>Desativar tecla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>Caminho da aplicação：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Selecionar ficheiro</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>Vinculação</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Tipo de reprodução</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Repetir lig./desl.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Enquanto premida</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de reproduções</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de reproduções 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Grupo de macros </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Configuração de atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Atraso gravado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sem atraso</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Atraso padrão</translation>
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
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Gravação da macro</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>A gravação está vazia</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Inserir na macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir evento depois</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir evento antes</translation>
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
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pressione uma tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Direito</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Digite o atraso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedades</translation>
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
        <translation>Rato</translation>
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
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>Não foi possível iniciar a gravação</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Gravação da macro iniciada</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>Teclas e cliques são gravados apenas nas janelas deste programa</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Gravação da macro parada</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Falha ao salvar a gravação da macro</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Falha ao excluir</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Selecione primeiro uma posição</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>O limite de eventos foi atingido</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Falha ao inserir</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserido com sucesso</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Falha ao modificar</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificado com sucesso</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Falha ao mover</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Falha ao adicionar a macro</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro adicionada</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Falha ao excluir a macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro excluída</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>O nome da macro não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome da macro alterado</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Falha ao alterar o nome da macro</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Selecione primeiro uma macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Falha ao limpar a macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro limpa</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir arquivo de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Arquivos de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Falha ao importar a macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Falha ao exportar a macro</translation>
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
        <translation>INÍCIO</translation>
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
        <translation>VINCULAÇÃO</translation>
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
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>Não foi possível ler o ficheiro %1; foi deixado como estava.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>Não foi possível ler o ficheiro %1; foi guardado como %2 e foi criado um novo.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Botão do rato</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Lateral - Recuar</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Lateral - Avançar</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Roda para baixo</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Roda para cima</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botão sniper</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Iluminação periférica</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Roda</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logótipo</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Ciclo de DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Avançar_E</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Retroceder_E</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Avançar_D</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Retroceder_D</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Roda para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Roda para baixo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Recuar</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Botão sniper</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
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
        <translation>Propriedades do rato:</translation>
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
        <translation>Repor perfil atual</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>Definições do rato</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>Nenhuma ferramenta de definições do rato encontrada</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Diminuir volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Aumentar volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Remapear tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>combinação de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Iniciar aplicação</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazio</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Se o bloqueio Win estiver ativo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desativar tecla Windows</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desativar ALT+F4</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desativar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desativar ALT+TAB</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Repor perfil atual</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>Definições do teclado</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Arranque automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar a aplicação ao arrancar o sistema (minimizada)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>Minimizar para a bandeja</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Fechar para a bandeja</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verificar atualização de firmware</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Ligação Taobao</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicação</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>Software livre sob a GNU GPL, versão 3 ou posterior.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
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
        <translation>Outro</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nenhum dispositivo atualizável encontrado</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Definições guardadas</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Não foi possível guardar as definições</translation>
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
        <translation>Formulário</translation>
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
        <translation>Pretende guardar o modo de iluminação atual no dispositivo?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Durante a atualização do firmware, não desligue o dispositivo!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Atualização concluída com êxito</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Falha na atualização</translation>
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
        <translation>Ativar X/Y</translation>
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
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua ligar/desligar</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla estiver premida</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Aumentar volume</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Diminuir volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correio eletrónico</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Roda para cima</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Roda para baixo</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Botão lateral esquerdo - Avançar</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Botão lateral esquerdo - Recuar</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Abrir o meu computador</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
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
        <translation>Falha do programa</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Lamentamos muito por esta falha!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/Inglês</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nova versão:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Não pode ser reatribuída</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Reatribuir tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Abrir aplicação</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Alterar nome</translation>
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
        <translation>Modo aplicação:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;No modo aplicação, a personalização das teclas só funciona enquanto a aplicação estiver aberta. As definições são guardadas apenas no computador e não podem ser transferidas para o teclado.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>Editor integrado:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>No modo de edição integrado, os efeitos de luz interativos não estão disponíveis.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;As definições das teclas podem ser transferidas e guardadas no teclado. O teclado tem duas camadas: a camada predefinida e a camada FN1.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>Camada predefinida:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Prima a tecla diretamente para enviar o código.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>Camada FN1:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. Selecione uma tecla e defina-a como FN1.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. Envie o código em combinação com a tecla FN1 personalizada.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Camadas:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>Camada predefinida.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>Camada FN – funções FN de fábrica.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>Camada FN1 – personalizável.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>Não pode ser reatribuída</translation>
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
        <translation>Criar nova</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Alterar nome</translation>
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
        <translation>Limpar camada</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Alterar nome</translation>
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
