<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>history_list</name>
    <message>
        <source>双击列表选项即可将内容自动粘贴到之前的编辑窗口</source>
        <translation>Double-cliquez sur un élément pour le coller dans la fenêtre précédente</translation>
    </message>
</context>
<context>
    <name>hotkey_widget</name>
    <message>
        <source>点按此处开启全局热键</source>
        <translation>Cliquez ici pour activer les raccourcis globaux</translation>
    </message>
    <message>
        <source>点按此处关闭全局热键</source>
        <translation>Cliquez ici pour désactiver les raccourcis globaux</translation>
    </message>
    <message>
        <source>请设定区域快捷键</source>
        <translation>Définir les raccourcis</translation>
    </message>
    <message>
        <source>点按此处设定对应区域的快捷键</source>
        <translation>Cliquez sur un onglet pour définir ses raccourcis</translation>
    </message>
    <message>
        <source>点击左侧设置循环切换项目热键，选中右侧设置固定项目热键</source>
        <translation>À gauche : raccourci de défilement. À droite : raccourcis des emplacements fixes.</translation>
    </message>
    <message>
        <source>开启热键</source>
        <translation>Activer les raccourcis</translation>
    </message>
    <message>
        <source>循环热键</source>
        <translation>Raccourci cyclique</translation>
    </message>
</context>
<context>
    <name>list_context_menu</name>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>复制当前鼠标所在行内容</source>
        <translation>Copier la ligne sous le pointeur</translation>
    </message>
    <message>
        <source>附加快捷键「Space」🐯</source>
        <translation>Ou appuyez sur Espace 🐯</translation>
    </message>
    <message>
        <source>复制文件</source>
        <translation>Copier le fichier</translation>
    </message>
    <message>
        <source>复制当前所有选中内容所在文件</source>
        <translation>Copier les fichiers de tous les éléments sélectionnés</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>从上至下自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>Coller toutes les lignes sélectionnées, de haut en bas, dans la fenêtre précédente</translation>
    </message>
    <message>
        <source>附加快捷键「Enter」🦚</source>
        <translation>Ou appuyez sur Entrée 🦚</translation>
    </message>
    <message>
        <source>反向粘贴</source>
        <translation>Coller inversé</translation>
    </message>
    <message>
        <source>从下至上自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>Coller toutes les lignes sélectionnées, de bas en haut, dans la fenêtre précédente</translation>
    </message>
    <message>
        <source>翻转粘贴</source>
        <translation>Coller en miroir</translation>
    </message>
    <message>
        <source>从右至左翻转粘贴文本到上一个编辑窗口</source>
        <translation>Coller le texte en miroir, de droite à gauche, dans la fenêtre précédente</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>使用默认程序打开所有选中选项所在文件</source>
        <translation>Ouvrir les fichiers des éléments sélectionnés avec le programme par défaut</translation>
    </message>
    <message>
        <source>钉住</source>
        <translation>Épingler</translation>
    </message>
    <message>
        <source>以顶层窗口显示图片文件</source>
        <translation>Afficher dans une fenêtre toujours au premier plan</translation>
    </message>
    <message>
        <source>收藏</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>给选中内容打上收藏标记
只在收藏页面可以被删除</source>
        <translation>Marquer les éléments sélectionnés comme favoris
Les favoris ne se suppriment que dans l’onglet Favoris</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>删除鼠标选中所有行
附加快捷键「Del」🐭</source>
        <translation>Supprimer toutes les lignes sélectionnées
Ou appuyez sur Suppr 🐭</translation>
    </message>
    <message>
        <source>md5编码</source>
        <translation>Empreinte MD5</translation>
    </message>
    <message>
        <source>获取当前选项内容的md5</source>
        <translation>Obtenir l’empreinte MD5 de l’élément actuel</translation>
    </message>
    <message>
        <source>base64编码</source>
        <translation>Encodage Base64</translation>
    </message>
    <message>
        <source>获取当前选项内容的base64</source>
        <translation>Obtenir l’encodage Base64 de l’élément actuel</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>Régler le fonctionnement du programme</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>Synchroniser l’historique du presse-papiers sur tous vos appareils</translation>
    </message>
    <message>
        <source>编码        MD5+BASE64</source>
        <translation>Encoder</translation>
    </message>
</context>
<context>
    <name>login_widget</name>
    <message>
        <source>尚未登录</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>请先输入有效账号或密码</source>
        <translation>Remplissez les champs</translation>
    </message>
    <message>
        <source>暂时无法连接服务器</source>
        <translation>Serveur injoignable</translation>
    </message>
    <message>
        <source>请检查当前网络是否顺畅</source>
        <translation>Vérifiez votre connexion réseau</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>已经成功连接服务器</source>
        <translation>Connecté au serveur</translation>
    </message>
    <message>
        <source>更新列表中..</source>
        <translation>Mise à jour de la liste…</translation>
    </message>
    <message>
        <source>请检查账号与密码</source>
        <translation>Vérifiez vos identifiants</translation>
    </message>
    <message>
        <source>账号或密码输入有误</source>
        <translation>Compte ou mot de passe incorrect</translation>
    </message>
    <message>
        <source>注册成功</source>
        <translation>Compte créé</translation>
    </message>
    <message>
        <source>现在可以开始登录了</source>
        <translation>Vous pouvez maintenant vous connecter</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Échec de l’inscription</translation>
    </message>
    <message>
        <source>更换账号名称再试一试</source>
        <translation>Essayez un autre nom de compte</translation>
    </message>
    <message>
        <source>更新完毕</source>
        <translation>Liste à jour</translation>
    </message>
    <message>
        <source>当前列表内容已与云上同步</source>
        <translation>La liste est synchronisée avec le cloud</translation>
    </message>
    <message>
        <source>登录失败次数过多，服务器已断开连接</source>
        <translation>Trop d’échecs, déconnecté</translation>
    </message>
    <message>
        <source>版本过低，服务器已断开连接</source>
        <translation>Version obsolète, déconnecté</translation>
    </message>
    <message>
        <source>账号已停用，服务器已断开连接</source>
        <translation>Compte désactivé, déconnecté</translation>
    </message>
    <message>
        <source>云端空间已满，服务器已断开连接</source>
        <translation>Cloud plein, déconnecté</translation>
    </message>
    <message>
        <source>服务器拒绝登录</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Connexion automatique</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>S’inscrire</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>输入账户</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>勾选此选项启动程序时将自动登录</source>
        <translation>Se connecter automatiquement au démarrage du programme</translation>
    </message>
    <message>
        <source>如果尚未注册账号请先注册</source>
        <translation>Pas encore de compte ? Inscrivez-vous d’abord.</translation>
    </message>
    <message>
        <source>注册后请输入账号密码登录</source>
        <translation>Connectez-vous ensuite avec votre compte et votre mot de passe.</translation>
    </message>
    <message>
        <source>更新内容需要一段时间
</source>
        <translation>La mise à jour peut prendre un moment
</translation>
    </message>
    <message>
        <source>更新完毕之后将自动刷新内容列表</source>
        <translation>La liste se rafraîchira d’elle-même ensuite</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>quillbox</source>
        <translation>quillbox</translation>
    </message>
    <message>
        <source>本地列表已与云上同步</source>
        <translation>Liste synchronisée avec le cloud</translation>
    </message>
    <message>
        <source>剪贴板记录已恢复</source>
        <translation>Enregistrement repris</translation>
    </message>
    <message>
        <source>剪贴板记录已暂停</source>
        <translation>Enregistrement en pause</translation>
    </message>
    <message>
        <source>夜间模式已开启</source>
        <translation>Mode sombre activé</translation>
    </message>
    <message>
        <source>昼间模式已开启</source>
        <translation>Mode clair activé</translation>
    </message>
    <message>
        <source>  当前已选中 </source>
        <translation>  Sélection : </translation>
    </message>
    <message numerus="yes">
        <source> 项内容</source>
        <translation>
            <numerusform> élément</numerusform>
            <numerusform> éléments</numerusform>
        </translation>
    </message>
    <message>
        <source> ，今天已复制 </source>
        <translation>, copié </translation>
    </message>
    <message numerus="yes">
        <source> 次</source>
        <translation>
            <numerusform> fois aujourd’hui</numerusform>
            <numerusform> fois aujourd’hui</numerusform>
        </translation>
    </message>
    <message>
        <source>当前列表中暂无内容，
尝试从别处Ctrl+C复制几条吧~</source>
        <translation>Rien pour l’instant.
Copiez quelque chose avec Ctrl+C.</translation>
    </message>
    <message>
        <source>  文件已复制至剪贴板</source>
        <translation>  Fichier copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>文件已经复制到剪贴板</source>
        <translation>Fichier copié</translation>
    </message>
    <message>
        <source>确定删除？</source>
        <translation>Supprimer ?</translation>
    </message>
    <message>
        <source>点按此处开启剪贴板记录</source>
        <translation>Cliquez ici pour enregistrer le presse-papiers</translation>
    </message>
    <message>
        <source>点按此处暂停剪贴板记录</source>
        <translation>Cliquez ici pour suspendre l’enregistrement du presse-papiers</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>Cliquez ici pour passer au mode sombre</translation>
    </message>
    <message>
        <source>点按此处开启昼间模式</source>
        <translation>Cliquez ici pour passer au mode clair</translation>
    </message>
    <message>
        <source>点按此处打开设置界面</source>
        <translation>Cliquez ici pour ouvrir les paramètres</translation>
    </message>
    <message>
        <source>请输入搜索内容</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>点按此处不同区域切换显示类型</source>
        <translation>Cliquez sur un onglet pour choisir ce que la liste affiche</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>Synchroniser l’historique du presse-papiers sur tous vos appareils</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>Régler le fonctionnement du programme</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>Suppression de </translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>Titre de la fenêtre : </translation>
    </message>
    <message>
        <source>创建日期：</source>
        <translation>Créé le : </translation>
    </message>
    <message>
        <source>最后修改：</source>
        <translation>Modifié le : </translation>
    </message>
    <message>
        <source>「图片文件」</source>
        <translation>[Fichier image]</translation>
    </message>
    <message>
        <source>字符长度：</source>
        <translation>Caractères : </translation>
    </message>
    <message>
        <source>今天已复制 </source>
        <translation>Copié </translation>
    </message>
    <message>
        <source> - 默认</source>
        <translation> - Par défaut</translation>
    </message>
    <message>
        <source> - [文本、图片、文件]</source>
        <translation> - [Texte, Image, Fichier]</translation>
    </message>
    <message>
        <source> - [文本、文件、图片]</source>
        <translation> - [Texte, Fichier, Image]</translation>
    </message>
    <message>
        <source> - [图片、文本、文件]</source>
        <translation> - [Image, Texte, Fichier]</translation>
    </message>
    <message>
        <source> - [图片、文件、文本]</source>
        <translation> - [Image, Fichier, Texte]</translation>
    </message>
    <message>
        <source> - [文件、文本、图片]</source>
        <translation> - [Fichier, Texte, Image]</translation>
    </message>
    <message>
        <source> - [文件、图片、文本]</source>
        <translation> - [Fichier, Image, Texte]</translation>
    </message>
    <message>
        <source>已选择显示文本</source>
        <translation>Affichage : texte</translation>
    </message>
    <message>
        <source>已选择显示图片</source>
        <translation>Affichage : images</translation>
    </message>
    <message>
        <source>已选择显示文件</source>
        <translation>Affichage : fichiers</translation>
    </message>
    <message>
        <source>已选择全部显示</source>
        <translation>Affichage : tout</translation>
    </message>
    <message>
        <source>已选择显示收藏</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>编码已复制</source>
        <translation> copié</translation>
    </message>
    <message>
        <source>  无法对多个文件编码</source>
        <translation>  Impossible d’encoder plusieurs fichiers</translation>
    </message>
    <message>
        <source>无法对多个文件编码</source>
        <translation>Un seul fichier à la fois</translation>
    </message>
    <message>
        <source>  暂时无法对文件base64</source>
        <translation>  Base64 des fichiers pas encore pris en charge</translation>
    </message>
    <message>
        <source>暂时无法对文件base64</source>
        <translation>Base64 : pas pour les fichiers</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>−</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>+</translation>
    </message>
    <message numerus="yes">
        <source>条收藏</source>
        <translation>
            <numerusform> favori</numerusform>
            <numerusform> favoris</numerusform>
        </translation>
    </message>
    <message>
        <source>  图片已复制至剪贴板</source>
        <translation>  Image copiée dans le presse-papiers</translation>
    </message>
    <message>
        <source>图片已经复制到剪贴板</source>
        <translation>Image copiée</translation>
    </message>
    <message>
        <source>  文本已复制至剪贴板</source>
        <translation>  Texte copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>文本已经复制到剪贴板</source>
        <translation>Texte copié</translation>
    </message>
    <message numerus="yes">
        <source>条内容</source>
        <translation>
            <numerusform> élément</numerusform>
            <numerusform> éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>需要更新，前往下载？</source>
        <translation>Mettre à jour ?</translation>
    </message>
    <message>
        <source>历史记录无法保存</source>
        <translation>Historique non enregistré</translation>
    </message>
</context>
<context>
    <name>pinned_widget</name>
    <message>
        <source>预览</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>prompt_widget</name>
    <message>
        <source>是</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>快捷键「Enter」🦖</source>
        <translation>Raccourci : Entrée 🦖</translation>
    </message>
    <message>
        <source>快捷键「Esc」🪂</source>
        <translation>Raccourci : Échap 🪂</translation>
    </message>
</context>
<context>
    <name>settings_widget</name>
    <message>
        <source>文本</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的文本</source>
        <translation>Enregistrer le texte copié</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的图片</source>
        <translation>Enregistrer les images copiées</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>勾选此选项程序将记录复制的文件路径</source>
        <translation>Enregistrer le chemin des fichiers copiés</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>勾选此选项程序将跟随系统启动</source>
        <translation>Lancer le programme au démarrage du système</translation>
    </message>
    <message>
        <source>全屏冻结</source>
        <translation>Inactif en plein écran</translation>
    </message>
    <message>
        <source>勾选此选项在游戏等全屏模式下剪贴板快捷键将被禁用</source>
        <translation>Désactiver les raccourcis du presse-papiers en plein écran (jeux, etc.)</translation>
    </message>
    <message>
        <source>添加换行</source>
        <translation>Saut de ligne final</translation>
    </message>
    <message>
        <source>勾选此选项将在粘贴内容结束位置自动补充换行</source>
        <translation>Terminer chaque collage par un saut de ligne</translation>
    </message>
    <message>
        <source>跨屏粘贴</source>
        <translation>Collage entre appareils</translation>
    </message>
    <message>
        <source>勾选此选项且此机器已登录
在另一台机器上登录后复制
即可在本机直接粘贴</source>
        <translation>Si cet ordinateur est connecté,
ce que vous copiez sur un autre ordinateur connecté
se colle directement ici</translation>
    </message>
    <message>
        <source>自动粘贴</source>
        <translation>Collage auto</translation>
    </message>
    <message>
        <source>勾选此选项在主界面双击列表选项或以热键选中内容完毕时
将自动粘贴选中内容到上个编辑窗口</source>
        <translation>Après un double-clic sur un élément ou un choix au raccourci,
le coller dans la fenêtre précédente</translation>
    </message>
    <message>
        <source>图片预览</source>
        <translation>Aperçu des images</translation>
    </message>
    <message>
        <source>勾选此选项鼠标在图片选项上时将自动弹出预览界面</source>
        <translation>Afficher un aperçu quand le pointeur survole une image</translation>
    </message>
    <message>
        <source>点按此处设置预览图片时的图片缩小倍数</source>
        <translation>Cliquez ici pour choisir la réduction des images en aperçu</translation>
    </message>
    <message>
        <source>点按此处设置搜索引擎 [B - baidu, G - google]</source>
        <translation>Cliquez ici pour choisir le moteur de recherche [B - Baidu, G - Google]</translation>
    </message>
    <message>
        <source>折叠显示</source>
        <translation>Vue compacte</translation>
    </message>
    <message>
        <source>勾选此选项时文本将折叠成单行显示
图片将以小图显示</source>
        <translation>Afficher chaque texte sur une seule ligne
et les images en miniature</translation>
    </message>
    <message>
        <source>自动折叠</source>
        <translation>Compacte auto</translation>
    </message>
    <message>
        <source>勾选此选项在窗体缩小到指定大小时将自动折叠显示内容</source>
        <translation>Passer en vue compacte quand la fenêtre devient petite</translation>
    </message>
    <message>
        <source>自动隐藏</source>
        <translation>Masquage auto</translation>
    </message>
    <message>
        <source>勾选此选项在粘贴内容完毕之后将自动隐藏窗口</source>
        <translation>Masquer la fenêtre après le collage</translation>
    </message>
    <message>
        <source>即时预览</source>
        <translation>Aperçu immédiat</translation>
    </message>
    <message>
        <source>勾选此选项复制内容时附带按下Shift键直接预览复制内容</source>
        <translation>Maintenez Maj en copiant pour afficher un aperçu de la copie</translation>
    </message>
    <message>
        <source>即时搜索</source>
        <translation>Recherche immédiate</translation>
    </message>
    <message>
        <source>勾选此选项复制内容时附带按下Ctrl+Shift键直接搜索复制内容</source>
        <translation>Maintenez Ctrl+Maj en copiant pour rechercher la copie sur le web</translation>
    </message>
    <message>
        <source>移除格式</source>
        <translation>Sans mise en forme</translation>
    </message>
    <message>
        <source>移除复制内容中的格式</source>
        <translation>Retirer la mise en forme du contenu copié</translation>
    </message>
    <message>
        <source>循环数目</source>
        <translation>Éléments du cycle </translation>
    </message>
    <message>
        <source>滑动此处可设置全局热键按下时可循环选中最近的内容数目</source>
        <translation>Faites glisser pour choisir combien d’éléments récents le raccourci global fait défiler</translation>
    </message>
    <message>
        <source>保存数目</source>
        <translation>Éléments conservés </translation>
    </message>
    <message>
        <source>滑动此处可设置当前能存储的剪贴板内容最大数目</source>
        <translation>Faites glisser pour choisir le nombre maximal d’éléments conservés</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>存储类型</source>
        <translation>À enregistrer</translation>
    </message>
    <message>
        <source>夜间模式</source>
        <translation>Mode sombre</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>Cliquez ici pour passer au mode sombre</translation>
    </message>
    <message>
        <source>点按此处关闭夜间模式</source>
        <translation>Cliquez ici pour quitter le mode sombre</translation>
    </message>
    <message>
        <source>热键 ➝ </source>
        <translation>Raccourci ➝ </translation>
    </message>
    <message>
        <source>按下当前全局热键</source>
        <translation>Appuyez sur </translation>
    </message>
    <message>
        <source>即可在任意编辑页面
呼出本剪贴板快速粘贴选中项目</source>
        <translation> dans n’importe quelle fenêtre
pour ouvrir le presse-papiers et coller rapidement un élément</translation>
    </message>
</context>
</TS>
